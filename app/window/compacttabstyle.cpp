#include "compacttabstyle.h"

#include <QAbstractButton>
#include <QApplication>
#include <QStyleFactory>
#include <QStyleOptionButton>
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
    if (metric == PM_TabBarTabHSpace) {
        return value / 2;
    }
    const bool indicator = metric == PM_IndicatorWidth || metric == PM_IndicatorHeight ||
                           metric == PM_ExclusiveIndicatorWidth ||
                           metric == PM_ExclusiveIndicatorHeight;
    if (indicator && qobject_cast<const QAbstractButton*>(widget) != nullptr) {
        // No taller than its row: styles draw it in the rectangle these measures give.
        return std::min(value, widget->height());
    }
    return value;
}

QRect CompactTabStyle::subElementRect(SubElement element, const QStyleOption* option,
                                      const QWidget* widget) const {
    QRect rect = QProxyStyle::subElementRect(element, option, widget);
    const bool checkBox = element == SE_CheckBoxContents;
    if ((!checkBox && element != SE_RadioButtonContents) || widget == nullptr) {
        return rect;
    }
    // Some styles set the caption after their indicator's full width, whatever size it
    // is given; others follow the size given, and their caption stands right already.
    const PixelMetric width = checkBox ? PM_IndicatorWidth : PM_ExclusiveIndicatorWidth;
    const int natural = QProxyStyle::pixelMetric(width, option, nullptr);
    const int saved = natural - pixelMetric(width, option, widget);
    if (saved > 0 && rect.left() >= natural) {
        rect.setLeft(rect.left() - saved);
    }
    return rect;
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

// A check box or option from this style's parts, indicator then caption: some styles
// compose them from their own measures.
void CompactTabStyle::drawControl(ControlElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    const bool radio = element == CE_RadioButton;
    if (button == nullptr || (!radio && element != CE_CheckBox)) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    QStyleOptionButton part = *button;
    part.rect =
        subElementRect(radio ? SE_RadioButtonIndicator : SE_CheckBoxIndicator, button, widget);
    drawPrimitive(radio ? PE_IndicatorRadioButton : PE_IndicatorCheckBox, &part, painter, widget);
    part.rect =
        subElementRect(radio ? SE_RadioButtonContents : SE_CheckBoxContents, button, widget);
    // The label shows the focus as the style does, from the state it is given.
    drawControl(radio ? CE_RadioButtonLabel : CE_CheckBoxLabel, &part, painter, widget);
}

} // namespace scribel
