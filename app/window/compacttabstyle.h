#pragma once

#include <QProxyStyle>

namespace scribel {

// The desktop's own style, with tabs no wider than their captions need, so that the seven
// tabs stand in one row across the window: a little less space around each caption, and
// no minimum tab width. An option or check box given this style draws its indicator no
// taller than its row, scaled down where the style's own is taller, and its caption just
// after it.
class CompactTabStyle final : public QProxyStyle {
    Q_OBJECT
public:
    CompactTabStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget) const override;
    QRect subElementRect(SubElement element, const QStyleOption* option,
                         const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};

} // namespace scribel
