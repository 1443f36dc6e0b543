#include "app/window/controlfactory.h"

#include "app/about/bannerlabel.h"
#include "app/about/infotext.h"
#include "app/fields/sheetlineedit.h"
#include "app/fields/sheettextedit.h"
#include "app/window/accessiblecontrols.h"
#include "app/window/compacttabstyle.h"
#include "app/window/lazypicture.h"
#include "platform/core/twips.h"
#include "platform/widgets/twipsgeometry.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>

namespace scribel {

namespace {

// A picture button's picture leaves room for the button's own frame, in pixels.
constexpr int kPictureButtonMarginWidth = 8;
constexpr int kPictureButtonMarginHeight = 6;

constexpr double kFieldPoints = 9;
constexpr double kBannerPoints = 15.75;

void setAllColourGroups(QPalette& palette, QPalette::ColorRole role, const QColor& colour) {
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, role, colour);
    }
}

QWidget* createTabControl(QWidget* container) {
    auto* tabs = new TwipsTabWidget(container);
    auto* tabStyle = new CompactTabStyle();
    tabStyle->setParent(tabs);
    tabs->tabBar()->setStyle(tabStyle);
    tabs->setUsesScrollButtons(false);
    for (const TabSpec& tab : tabCatalogue()) {
        tabs->addTab(new QWidget(tabs), tab.caption.toString());
    }
    return tabs;
}

QWidget* createLineEdit(const ControlSpec& row, QWidget* container) {
    auto* edit = new SheetLineEdit(row.limit, container);
    edit->setFont(arial(kFieldPoints));
    return edit;
}

QWidget* createTextArea(const ControlSpec& row, QWidget* container) {
    auto* edit = new SheetTextEdit(row.limit, container);
    edit->setFont(arial(kFieldPoints));
    return edit;
}

QWidget* createOption(const QString& caption, QWidget* container) {
    auto* option = new QRadioButton(caption, container);
    auto* group = container->findChild<QButtonGroup*>(QString(), Qt::FindDirectChildrenOnly);
    if (group == nullptr) {
        group = new QButtonGroup(container);
    }
    group->addButton(option);
    return option;
}

QWidget* createList(QWidget* container) {
    auto* list = new QComboBox(container);
    list->setEditable(false);
    return list;
}

QWidget* createPictureButton(const ControlSpec& row, const QString& caption, QWidget* container) {
    const double dpi = container->logicalDpiX();
    auto* button = new QPushButton(container);
    button->setIcon(readIcon(row.picture.toString()));
    button->setIconSize(QSize(twipsToPixels(row.width, dpi) - kPictureButtonMarginWidth,
                              twipsToPixels(row.height, dpi) - kPictureButtonMarginHeight));
    button->setAccessibleName(caption); // the picture shows the name; no tip repeats it
    return button;
}

QWidget* createPicture(const ControlSpec& row, const QString& caption, QWidget* container) {
    auto* picture = new LazyPicture(row.picture.toString(), container);
    picture->setAccessibleName(caption);
    return picture;
}

QWidget* createPanel(const QString& caption, QWidget* container) {
    auto* panel = new QLabel(caption, container);
    panel->setAlignment(Qt::AlignCenter);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return panel;
}

// Where Arial itself is not installed, Qt looks for what stands in for it with a costly
// fontconfig search of its own for each style. The banner names the family the window's
// Arial was found as: the same face, without a second search before the first frame.
QFont bannerFont(const QWidget& container) {
    QFont font = arial(kBannerPoints, true, true);
    font.setFamily(QFontInfo(container.font()).family());
    return font;
}

QWidget* createBannerText(QWidget* container) {
    auto* banner = new BannerLabel(container);
    banner->setFont(bannerFont(*container));
    QPalette palette = banner->palette();
    setAllColourGroups(palette, QPalette::WindowText, Qt::blue);
    banner->setPalette(palette);
    return banner;
}

// Read-only text on light yellow, which the author may select and copy.
QWidget* createInfoText(const QString& caption, QWidget* container) {
    auto* text = InfoText::create(informationText(), container);
    text->setAccessibleName(caption);
    return text;
}

QWidget* createWidget(const ControlSpec& row, QWidget* container) {
    const QString caption = row.caption.toString();
    switch (row.kind) {
    case ControlKind::TabControl:
        return createTabControl(container);
    case ControlKind::LineEdit:
        return createLineEdit(row, container);
    case ControlKind::TextArea:
        return createTextArea(row, container);
    case ControlKind::Option:
        return createOption(caption, container);
    case ControlKind::CheckBox:
        return new QCheckBox(caption, container);
    case ControlKind::List:
        return createList(container);
    case ControlKind::Label:
        return new QLabel(caption, container);
    case ControlKind::GroupBox:
        return new QGroupBox(caption, container);
    case ControlKind::Group: {
        auto* group = new QWidget(container);
        markAsGroup(*group);
        return group;
    }
    case ControlKind::Button:
        return new QPushButton(caption, container);
    case ControlKind::PictureButton:
        return createPictureButton(row, caption, container);
    case ControlKind::Picture:
        return createPicture(row, caption, container);
    case ControlKind::Panel:
        return createPanel(caption, container);
    case ControlKind::BannerBox:
        return createBannerBox(container, kLightYellow);
    case ControlKind::BannerText:
        return createBannerText(container);
    case ControlKind::InfoText:
        return createInfoText(caption, container);
    }
    qFatal("The control catalogue holds a kind of control the window cannot make");
}

} // namespace

QFont arial(double points, bool bold, bool italic) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QWidget* createControl(const ControlSpec& row, QWidget* container) {
    QWidget* widget = createWidget(row, container);
    widget->setObjectName(row.name.toString());
    if ((row.kind == ControlKind::LineEdit || row.kind == ControlKind::TextArea) &&
        !row.caption.isEmpty()) {
        widget->setAccessibleName(row.caption.toString());
    }
    setTwipsGeometry(*widget, QRectF(row.left, row.top, row.width, row.height));
    widget->setVisible(row.start != StartState::Hidden);
    widget->setEnabled(row.start != StartState::Disabled);
    return widget;
}

} // namespace scribel
