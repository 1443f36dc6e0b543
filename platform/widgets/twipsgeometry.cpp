#include "twipsgeometry.h"

#include "platform/core/twips.h"

#include <QEvent>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <algorithm>

namespace scribel {

namespace {

constexpr const char* kTwipsProperty = "twipsGeometry";
constexpr const char* kAdjustmentProperty = "pixelAdjustment";

// The tab control that a page belongs to, when the widget is a page.
TwipsTabWidget* tabControlOfPage(const QWidget* page) {
    const auto* stack =
        qobject_cast<const QStackedWidget*>(page != nullptr ? page->parentWidget() : nullptr);
    return stack != nullptr ? qobject_cast<TwipsTabWidget*>(stack->parentWidget()) : nullptr;
}

void place(QWidget& control) {
    const QVariant stored = control.property(kTwipsProperty);
    if (!stored.isValid()) {
        return;
    }
    const QRectF twips = stored.toRectF();
    const double dpi = control.logicalDpiX();
    QPoint offset;
    if (const TwipsTabWidget* tabs = tabControlOfPage(control.parentWidget())) {
        offset = tabs->pageOffset() - QPoint(0, tabs->pageDrop());
    }
    const QMargins edges = control.property(kAdjustmentProperty).value<QMargins>();
    const int left = twipsToPixels(twips.left(), dpi);
    const int top = twipsToPixels(twips.top(), dpi);
    const QRect geometry(left - offset.x(), top - offset.y(),
                         twipsToPixels(twips.left() + twips.width(), dpi) - left,
                         twipsToPixels(twips.top() + twips.height(), dpi) - top);
    control.setGeometry(
        geometry.adjusted(edges.left(), edges.top(), edges.right(), edges.bottom()));
}

} // namespace

void setTwipsGeometry(QWidget& control, const QRectF& twips) {
    control.setProperty(kTwipsProperty, twips);
    place(control);
}

QRectF twipsGeometry(const QWidget& control) {
    return control.property(kTwipsProperty).toRectF();
}

void setTwipsLeft(QWidget& control, double left) {
    const QRectF twips = twipsGeometry(control);
    setTwipsGeometry(control, {QPointF(left, twips.top()), twips.size()});
}

void setTwipsTop(QWidget& control, double top) {
    const QRectF twips = twipsGeometry(control);
    setTwipsGeometry(control, {QPointF(twips.left(), top), twips.size()});
}

void setPixelAdjustment(QWidget& control, const QMargins& edges) {
    control.setProperty(kAdjustmentProperty, QVariant::fromValue(edges));
    place(control);
}

TwipsTabWidget::TwipsTabWidget(QWidget* parent) : QTabWidget(parent) {}

void TwipsTabWidget::setStripBand(double twips) {
    m_stripBand = twips;
    placePages();
}

int TwipsTabWidget::pageDrop() const {
    return m_stripBand ? std::max(0, pageArea().top() - twipsToPixels(*m_stripBand, logicalDpiX()))
                       : 0;
}

QRect TwipsTabWidget::pageArea() const {
    // What the tab control's own layout asks the style.
    QStyleOptionTabWidgetFrame option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, this);
}

QPoint TwipsTabWidget::pageOffset() const {
    const QWidget* stack = findChild<QStackedWidget*>(QString(), Qt::FindDirectChildrenOnly);
    return stack != nullptr ? stack->geometry().topLeft() + stack->contentsRect().topLeft()
                            : QPoint();
}

void TwipsTabWidget::placePages() {
    for (int i = 0; i < count(); ++i) {
        const QList<QWidget*> controls =
            widget(i)->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        for (QWidget* control : controls) {
            place(*control);
        }
    }
}

bool TwipsTabWidget::event(QEvent* event) {
    // Once Qt has laid the pages out again: resized, shown, in a new style, or with the strip
    // at its new size (a new font's, or a caption's).
    const bool handled = QTabWidget::event(event);
    const QEvent::Type type = event->type();
    if (type == QEvent::Resize || type == QEvent::Show || type == QEvent::StyleChange ||
        type == QEvent::LayoutRequest) {
        placePages();
    }
    return handled;
}

} // namespace scribel
