#include "stylefit.h"

#include "app/window/compacttabstyle.h"
#include "app/window/controlcatalogue.h"
#include "platform/widgets/twipsgeometry.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTabBar>
#include <algorithm>
#include <limits>

namespace scribel {

namespace {

// The top of the highest control standing directly on a tab, in twips: above it the sheet
// leaves room for the strip.
double topOfPages() {
    double top = std::numeric_limits<double>::max();
    for (const ControlSpec& row : controlCatalogue()) {
        if (row.container.tab >= 0 && row.container.box.isEmpty()) {
            top = std::min(top, row.top);
        }
    }
    return top;
}

// How many pixels an option or check box lacks to show its caption whole.
int captionShortfall(const QAbstractButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const bool isCheckBox = qobject_cast<const QCheckBox*>(&button) != nullptr;
    const QRect room = button.style()->subElementRect(isCheckBox ? QStyle::SE_CheckBoxContents
                                                                 : QStyle::SE_RadioButtonContents,
                                                      &option, &button);
    const int needed = button.fontMetrics().size(Qt::TextShowMnemonic, button.text()).width();
    return std::max(0, needed - room.width());
}

// The right edge a control may grow to: its container's, or the next control on its row.
int rightmostEdge(const QWidget& control, const TwipsTabWidget& tabs) {
    QWidget& container = *control.parentWidget();
    int limit = tabs.indexOf(&container) < 0 ? container.contentsRect().right() + 1
                                             : tabs.pageArea().width();
    const QRect area = control.geometry();
    const QList<QWidget*> siblings =
        container.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (const QWidget* sibling : siblings) {
        const QRect other = sibling->geometry();
        if (sibling != &control && other.left() >= area.right() && other.top() <= area.bottom() &&
            other.bottom() >= area.top()) {
            limit = std::min(limit, other.left());
        }
    }
    return limit;
}

// An indicator taller than its row would be cut at top and bottom: such a button draws
// it with the tab strip's style, which fits it to the row.
void fitIndicator(QAbstractButton& button, CompactTabStyle& fitting) {
    const bool checkBox = qobject_cast<const QCheckBox*>(&button) != nullptr;
    const int indicator = button.style()->pixelMetric(
        checkBox ? QStyle::PM_IndicatorHeight : QStyle::PM_ExclusiveIndicatorHeight, nullptr,
        &button);
    if (indicator > button.height()) {
        button.setStyle(&fitting);
    }
}

} // namespace

void fitToStyle(QWidget& window, TwipsTabWidget& tabs) {
    tabs.setStripBand(topOfPages());
    const int drop = tabs.pageDrop();
    if (drop == 0) {
        return;
    }
    window.setFixedSize(window.width(), window.height() + drop);
    const QList<QWidget*> ownControls =
        window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* control : ownControls) {
        setPixelAdjustment(*control,
                           &tabs == control ? QMargins(0, 0, 0, drop) : QMargins(0, drop, 0, drop));
    }
}

void fitButtonsToStyle(QWidget& page, const TwipsTabWidget& tabs) {
    QList<QAbstractButton*> buttons = page.findChildren<QAbstractButton*>();
    buttons.removeIf([](const QAbstractButton* button) {
        return qobject_cast<const QRadioButton*>(button) == nullptr &&
               qobject_cast<const QCheckBox*>(button) == nullptr;
    });
    // Every indicator first: a caption's room depends on the indicator drawn beside it.
    if (auto* fitting = qobject_cast<CompactTabStyle*>(tabs.tabBar()->style())) {
        for (QAbstractButton* button : buttons) {
            fitIndicator(*button, *fitting);
        }
    }
    for (QAbstractButton* button : buttons) {
        if (const int shortfall = captionShortfall(*button); shortfall > 0) {
            // Rounded to pixels, the sheet's own places may already overlap by one: no room
            // then, and the button keeps its width.
            const int room = rightmostEdge(*button, tabs) - (button->geometry().right() + 1);
            setPixelAdjustment(*button, QMargins(0, 0, std::min(shortfall, std::max(room, 0)), 0));
        }
    }
}

} // namespace scribel
