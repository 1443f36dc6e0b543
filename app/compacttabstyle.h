#pragma once

#include <QProxyStyle>

namespace scribel {

// The desktop's own style, with a little less space around tab captions, so that the
// seven tabs stand in one row across the window.
class CompactTabStyle final : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override {
        if (metric == PM_TabBarTabHSpace) {
            return QProxyStyle::pixelMetric(metric, option, widget) / 2;
        }
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace scribel
