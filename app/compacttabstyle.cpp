#include "compacttabstyle.h"

#include <QApplication>
#include <QStyleFactory>
#include <algorithm>

namespace scribel {

namespace {

// A new instance of the style the application paints with. When that style is a proxy
// itself (a platform theme's), of the style it wraps: the inner style measures and paints
// through its own proxy, so a proxy of a proxy would size the tabs with our spacing but
// lay out their captions with the theme's, clipping both ends.
QStyle* applicationStyleInstance() {
    const QStyle* style = QApplication::style();
    while (const auto* proxy = qobject_cast<const QProxyStyle*>(style)) {
        style = proxy->baseStyle();
    }
    return style != nullptr ? QStyleFactory::create(style->name()) : nullptr;
}

} // namespace

CompactTabStyle::CompactTabStyle() : QProxyStyle(applicationStyleInstance()) {}

int CompactTabStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                 const QWidget* widget) const {
    const int value = QProxyStyle::pixelMetric(metric, option, widget);
    return metric == PM_TabBarTabHSpace ? value / 2 : value;
}

QSize CompactTabStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                        const QSize& contents, const QWidget* widget) const {
    QSize size = QProxyStyle::sizeFromContents(type, option, contents, widget);
    if (type != CT_TabBarTab || size.width() <= contents.width()) {
        return size;
    }
    // The style adds width beyond the caption and its spacing: keep what grows with the
    // caption (a bolder font's extra width, the style's margins), drop a minimum tab width.
    constexpr int kBeyondAnyMinimum = 1000;
    const QSize wider(contents.width() + kBeyondAnyMinimum, contents.height());
    const int natural =
        QProxyStyle::sizeFromContents(type, option, wider, widget).width() - kBeyondAnyMinimum;
    size.setWidth(std::max(contents.width(), std::min(size.width(), natural)));
    return size;
}

} // namespace scribel
