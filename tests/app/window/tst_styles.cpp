// The window under one desktop look (a style through QT_STYLE_OVERRIDE, a platform theme
// through QT_QPA_PLATFORMTHEME, a scale through QT_SCALE_FACTOR): every tab reachable in
// one row, every control on its page and clear of the strip, every caption whole. Leaves
// a picture of every tab for both magazines in the build tree, named after SCRIBEL_LOOK.

#include "app/window/controlcatalogue.h"
#include "platform/core/twips.h"
#include "platform/widgets/twipsgeometry.h"
#include "support/windowfixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QPainter>
#include <QProxyStyle>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTabBar>
#include <cstdio>

using namespace scribel;
using namespace scribel::test;
using namespace Qt::StringLiterals;

namespace {

bool isToggle(const ControlSpec& row) {
    return row.kind == ControlKind::Option || row.kind == ControlKind::CheckBox;
}

QString rectText(const QRect& r) {
    return u"%1,%2 %3x%4"_s.arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Where the style puts a button's caption, or an option's or check box's indicator; an empty
// rectangle when it has none.
QRect buttonPart(QWidget& widget, bool indicator) {
    auto* button = qobject_cast<QAbstractButton*>(&widget);
    const bool check = qobject_cast<QCheckBox*>(&widget) != nullptr;
    const bool radio = qobject_cast<QRadioButton*>(&widget) != nullptr;
    if (button == nullptr || (!check && !radio && (indicator || button->text().isEmpty()))) {
        return {};
    }
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    using S = QStyle;
    const S::SubElement part =
        check   ? (indicator ? S::SE_CheckBoxIndicator : S::SE_CheckBoxContents)
        : radio ? (indicator ? S::SE_RadioButtonIndicator : S::SE_RadioButtonContents)
                : S::SE_PushButtonContents;
    return widget.style()->subElementRect(part, &option, button);
}

// The room a control's style gives its caption, or an empty rectangle when it has none.
QRect captionRoom(QWidget& widget) {
    if (qobject_cast<QAbstractButton*>(&widget)) {
        return buttonPart(widget, false);
    }
    if (auto* box = qobject_cast<QGroupBox*>(&widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        option.textAlignment = box->alignment();
        const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                         QStyle::SC_GroupBoxLabel, box);
        return label.intersected(box->rect());
    }
    if (auto* label = qobject_cast<QLabel*>(&widget); label && !label->wordWrap()) {
        const int margin = label->margin();
        return label->contentsRect().adjusted(margin, margin, -margin, -margin);
    }
    return {};
}

QImage paintedTabLabel(QTabBar& bar, int index, bool selected, int width, const QString& text) {
    QStyleOptionTab option;
    option.initFrom(&bar);
    option.text = text;
    option.shape = bar.shape();
    option.rect = QRect(0, 0, width, bar.tabRect(index).height());
    option.state.setFlag(QStyle::State_Selected, selected);
    QImage image(option.rect.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(bar.font()); // as the tab bar's own painter has
    bar.style()->drawControl(QStyle::CE_TabBarTabLabel, &option, &painter, &bar);
    return image;
}

// How wide a tab's caption inks when the style paints it in a tab of that width: the
// columns that differ from the same tab painted without a caption.
int tabCaptionInkWidth(QTabBar& bar, int index, bool selected, int width) {
    const QImage withCaption = paintedTabLabel(bar, index, selected, width, bar.tabText(index));
    const QImage without = paintedTabLabel(bar, index, selected, width, QString());
    int left = width;
    int right = -1;
    for (int y = 0; y < withCaption.height(); ++y) {
        for (int x = 0; x < width; ++x) {
            if (withCaption.pixel(x, y) != without.pixel(x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return right - left + 1;
}

// A button widened for its caption must stop at the next control on its row (the sheet's own
// places, rounded to pixels, may share one column).
QStringList runsIntoItsNeighbour(const QWidget& button) {
    QStringList faults;
    const QRect area = button.geometry();
    const QList<QWidget*> siblings =
        button.parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (const QWidget* sibling : siblings) {
        const QRect other = sibling->geometry();
        if (sibling != &button && !sibling->isHidden() && other.left() > area.left() &&
            other.top() <= area.bottom() && other.bottom() >= area.top() &&
            other.left() < area.right()) {
            faults << u"%1 %2 runs into %3 %4"_s.arg(button.objectName(), rectText(area),
                                                     sibling->objectName(), rectText(other));
        }
    }
    return faults;
}

// What the author cannot see or reach on the tab shown now, one line per fault.
QStringList faultsOnShownTab(const WindowFixture& f) {
    QStringList faults;
    QTabWidget& tabs = *f.tabs();
    QTabBar& bar = *tabs.tabBar();
    const QRect strip(bar.mapTo(f.window.get(), QPoint()), bar.size());
    const QRect tabsRect(tabs.mapTo(f.window.get(), QPoint()), tabs.size());
    const QRect window = f.window->rect();

    QWidget* page = tabs.currentWidget();
    const QRect pageArea(page->mapTo(f.window.get(), QPoint()), page->size());
    if (!window.contains(pageArea)) {
        faults << u"the page %1 leaves the window"_s.arg(rectText(pageArea));
    }
    for (int i = 0; i < bar.count(); ++i) {
        const QRect tab = bar.tabRect(i).translated(strip.topLeft());
        if (!tabsRect.contains(tab) || !window.contains(tab)) {
            faults << u"tab %1 %2 leaves the tab control %3"_s.arg(i).arg(rectText(tab),
                                                                          rectText(tabsRect));
        }
        // A caption is cut when it inks narrower than in a far wider tab, beyond the pixel that
        // placing the text half a pixel over may take.
        const int width = bar.tabRect(i).width();
        for (const bool selected : {false, true}) {
            if (tabCaptionInkWidth(bar, i, selected, width) + 1 <
                tabCaptionInkWidth(bar, i, selected, width + 200)) {
                faults << u"tab caption '%1' is cut%2"_s.arg(
                    bar.tabText(i), selected ? u" when chosen"_s : QString());
            }
        }
    }

    for (const ControlSpec& row : controlCatalogue()) {
        QWidget& widget = *f.get(row.name);
        const bool onWindow = widget.parentWidget() == f.window.get();
        // Fitted to a look, the window's own controls go down, never sideways; the tab
        // control keeps its width.
        if (onWindow) {
            const QRectF twips = twipsGeometry(widget);
            const double dpi = widget.logicalDpiX();
            const int left = twipsToPixels(twips.left(), dpi);
            if (widget.x() != left || (&widget == &tabs && widget.geometry().right() + 1 !=
                                                               twipsToPixels(twips.right(), dpi))) {
                faults << u"%1 %2 has moved sideways from %3"_s
                              .arg(row.name.toString(), rectText(widget.geometry()))
                              .arg(left);
            }
        }
        if (&widget == &tabs || !widget.isVisibleTo(f.window.get()) ||
            (!onWindow && !page->isAncestorOf(&widget))) {
            continue;
        }
        const QString name = row.name.toString();
        const QRect area(widget.mapTo(f.window.get(), QPoint()), widget.size());
        // A group box's title, or any other control's text, without its mnemonic.
        const QString caption =
            widget.property(qobject_cast<const QGroupBox*>(&widget) ? "title" : "text")
                .toString()
                .remove(QRegularExpression(u"&(?!&)"_s));
        const QRect room = captionRoom(widget);
        if (area.intersects(strip)) {
            faults << u"%1 %2 overlaps the tab strip %3"_s.arg(name, rectText(area),
                                                               rectText(strip));
        }
        const QWidget& holder = onWindow ? *f.window : *widget.parentWidget();
        // What must stay inside: a caption's ink, any other control whole.
        QRect shown = widget.geometry();
        if (const auto* label = qobject_cast<QLabel*>(&widget);
            label && !caption.isEmpty() && !room.isNull()) {
            const QRect ink = QStyle::alignedRect(
                label->layoutDirection(), label->alignment(),
                QSize(label->fontMetrics().horizontalAdvance(caption), room.height()), room);
            shown = ink.translated(widget.pos());
        }
        // The banner's text is far wider than its box on purpose: the box clips it.
        if (row.kind != ControlKind::BannerText && !holder.rect().contains(shown)) {
            faults << u"%1 %2 leaves %3 %4"_s.arg(name, rectText(shown),
                                                  onWindow ? u"the window"_s : u"its page"_s,
                                                  rectText(holder.rect()));
        }
        if (isToggle(row)) {
            faults << runsIntoItsNeighbour(widget);
        }
        if (const QRect indicator = buttonPart(widget, true);
            !indicator.isNull() && !widget.rect().contains(indicator)) {
            faults << u"%1's indicator %2 is cut by its row %3"_s.arg(name, rectText(indicator),
                                                                      rectText(widget.rect()));
        }
        if (caption.isEmpty() || room.isNull()) {
            continue;
        }
        const QFontMetrics metrics = widget.fontMetrics();
        const int needed = metrics.horizontalAdvance(caption);
        // A caption's line may reach a pixel into its control's edges, not more.
        if (needed > room.width() || metrics.height() > room.height() + 2) {
            faults << u"%1 '%2' needs %3x%4 px, has %5x%6"_s.arg(name, caption)
                          .arg(needed)
                          .arg(metrics.height())
                          .arg(room.width())
                          .arg(room.height());
        }
    }
    return faults;
}

// Why the look asked for cannot be shown here; empty when it can.
QString missingLook() {
    const QString style = qEnvironmentVariable("QT_STYLE_OVERRIDE");
    if (!style.isEmpty() && !QStyleFactory::keys().contains(style, Qt::CaseInsensitive)) {
        return u"the style %1 is not installed"_s.arg(style);
    }
    const QString theme = qEnvironmentVariable("QT_QPA_PLATFORMTHEME");
    if (!theme.isEmpty()) {
        const QDir plugins(QLibraryInfo::path(QLibraryInfo::PluginsPath) + u"/platformthemes"_s);
        if (plugins.entryList({u"*%1*"_s.arg(theme)}, QDir::Files).isEmpty()) {
            return u"the platform theme %1 is not installed"_s.arg(theme);
        }
    }
    return {};
}

} // namespace

class StylesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyTabOfEveryMagazine() {
        WindowFixture f;
        QStringList faults = faultsOnShownTab(f);
        QList<QImage> pictures{f.window->grab().toImage()};
        for (const QStringView magazine : {u"Pixelor", u"Zorvane"}) {
            f.tabs()->setCurrentIndex(0);
            f.click(magazine);
            for (int tab = 0; tab < f.tabs()->count(); ++tab) {
                // Chosen the author's way: a click in the middle of the tab.
                QTabBar* bar = f.tabs()->tabBar();
                QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
                QCoreApplication::processEvents();
                const QString where = u"%1, tab %2: "_s.arg(magazine).arg(tab);
                if (f.tabs()->currentIndex() != tab) {
                    faults << where + u"a click on it shows tab %1 instead"_s.arg(
                                          f.tabs()->currentIndex());
                }
                for (const QString& fault : faultsOnShownTab(f)) {
                    faults << where + fault;
                }
                pictures << f.window->grab().toImage();
            }
        }
        saveContactSheet(pictures);
        faults.removeDuplicates();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    // Indicators far wider than the look's leave every caption short of room: each button
    // widens only as far as the next control on its row.
    void aWidenedCaptionStopsAtItsNeighbour() {
        verifyUnderLargerIndicators(60, 0, [](const WindowFixture& f) {
            QStringList found;
            for (const ControlSpec& row : controlCatalogue()) {
                if (isToggle(row)) {
                    found << runsIntoItsNeighbour(*f.get(row.name));
                }
            }
            return found;
        });
    }

    // Indicators larger than the rows are drawn fitted to them, each caption whole and
    // written beside its indicator.
    void aTallIndicatorIsFittedToItsRow() {
        verifyUnderLargerIndicators(10, 14, [](const WindowFixture& f) {
            f.click(u"Pixelor");
            QStringList found;
            for (int tab = 0; tab < f.tabs()->count(); ++tab) {
                f.tabs()->setCurrentIndex(tab);
                found << faultsOnShownTab(f);
            }
            const int spacing = QApplication::style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
            for (const ControlSpec& row : controlCatalogue()) {
                if (!isToggle(row)) {
                    continue;
                }
                QWidget& button = *f.get(row.name);
                const int indicatorEnd = buttonPart(button, true).right() + 1;
                if (!hasInkRightOf(button, indicatorEnd - 1)) {
                    found << row.name.toString() + u"'s caption is not drawn"_s;
                }
                if (captionRoom(button).left() - indicatorEnd > spacing) {
                    found << row.name.toString() + u"'s caption stands apart"_s;
                }
            }
            return found;
        });
    }

private:
    // No fault for `check` to find in a fresh window under Fusion with indicators made wider
    // or taller by some pixels; the look is given back after.
    template <typename Check>
    static void verifyUnderLargerIndicators(int wider, int taller, const Check& check) {
        const QString look = QApplication::style()->name();
        QApplication::setStyle(new LargerIndicatorStyle(wider, taller));
        const QStringList faults = check(WindowFixture());
        QApplication::setStyle(look);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    struct LargerIndicatorStyle : QProxyStyle {
        LargerIndicatorStyle(int wider, int taller)
            : QProxyStyle(QStyleFactory::create(u"Fusion"_s)), m_wider(wider), m_taller(taller) {}
        int pixelMetric(PixelMetric metric, const QStyleOption* option,
                        const QWidget* widget) const override {
            const int value = QProxyStyle::pixelMetric(metric, option, widget);
            const bool width = metric == PM_IndicatorWidth || metric == PM_ExclusiveIndicatorWidth;
            const bool height =
                metric == PM_IndicatorHeight || metric == PM_ExclusiveIndicatorHeight;
            return value + (width ? m_wider : height ? m_taller : 0);
        }
        int m_wider;
        int m_taller;
    };

    static bool hasInkRightOf(QWidget& control, int column) {
        const QImage picture = control.grab().toImage();
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = column + 1; x < picture.width(); ++x) {
                if (picture.pixelColor(x, y).lightness() < 100) {
                    return true;
                }
            }
        }
        return false;
    }

    static void saveContactSheet(const QList<QImage>& pictures) {
        const QSize tile = pictures.first().size();
        const int columns = 4;
        const int rows = (static_cast<int>(pictures.size()) + columns - 1) / columns;
        QImage sheet(tile.width() * columns, tile.height() * rows, QImage::Format_RGB32);
        sheet.fill(Qt::darkGray);
        QPainter painter(&sheet);
        for (int i = 0; i < pictures.size(); ++i) {
            QImage picture = pictures[i];
            picture.setDevicePixelRatio(1); // pixel for pixel, whatever the scale
            painter.drawImage(QPoint((i % columns) * tile.width(), (i / columns) * tile.height()),
                              picture);
        }
        painter.end();
        const QString look = qEnvironmentVariable("SCRIBEL_LOOK", u"default"_s);
        const QString path = QDir::current().filePath(u"styles-%1.png"_s.arg(look));
        QVERIFY2(sheet.save(path), qPrintable(path));
        qInfo("pictures of every tab: %s", qPrintable(path));
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (const QString missing = missingLook(); !missing.isEmpty()) {
        std::printf("SKIP: %s\n", qPrintable(missing));
        return 77;
    }
    std::printf("style %s, scale %s\n", qPrintable(QApplication::style()->name()),
                qPrintable(qEnvironmentVariable("QT_SCALE_FACTOR", u"1"_s)));
    StylesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_styles.moc"
