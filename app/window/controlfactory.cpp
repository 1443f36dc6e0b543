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

QWidget* createOption(const QString& caption, QWidget* container) {
    auto* option = new QRadioButton(caption, container);
    auto* group = container->findChild<QButtonGroup*>(QString(), Qt::FindDirectChildrenOnly);
    if (group == nullptr) {
        group = new QButtonGroup(container);
    }
    group->addButton(option);
    return option;
}

// The picture shows the name, which the button takes as its accessible name: no tip repeats it.
QWidget* createPictureButton(const ControlSpec& row, QWidget* container) {
    const double dpi = container->logicalDpiX();
    auto* button = new QPushButton(container);
    button->setIcon(readIcon(row.picture.toString()));
    button->setIconSize(QSize(twipsToPixels(row.width, dpi) - kPictureButtonMarginWidth,
                              twipsToPixels(row.height, dpi) - kPictureButtonMarginHeight));
    return button;
}

// Where Arial itself is not installed, Qt looks for what stands in for it with a costly
// fontconfig search of its own for each style. The banner names the family the window's
// Arial was found as: the same face, without a second search before the first frame.
QWidget* createBannerText(QWidget* container) {
    auto* banner = new BannerLabel(container);
    QFont font = arial(kBannerPoints, true, true);
    font.setFamily(QFontInfo(container->font()).family());
    banner->setFont(font);
    QPalette palette = banner->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    banner->setPalette(palette);
    return banner;
}

QWidget* createWidget(const ControlSpec& row, QWidget* container) {
    const QString caption = row.caption.toString();
    switch (row.kind) {
    case ControlKind::TabControl:
        return createTabControl(container);
    case ControlKind::LineEdit:
        return new SheetLineEdit(row.limit, container);
    case ControlKind::TextArea:
        return new SheetTextEdit(row.limit, container);
    case ControlKind::Option:
        return createOption(caption, container);
    case ControlKind::CheckBox:
        return new QCheckBox(caption, container);
    case ControlKind::List:
        return new QComboBox(container); // pick-only, as it comes
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
        return createPictureButton(row, container);
    case ControlKind::Picture:
        return new LazyPicture(row.picture.toString(), container);
    case ControlKind::Panel: {
        auto* panel = new QLabel(caption, container);
        panel->setAlignment(Qt::AlignCenter);
        panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        return panel;
    }
    case ControlKind::BannerBox:
        return createBannerBox(container, kLightYellow);
    case ControlKind::BannerText:
        return createBannerText(container);
    case ControlKind::InfoText:
        return InfoText::create(informationText(), container);
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
    const bool field = row.kind == ControlKind::LineEdit || row.kind == ControlKind::TextArea;
    if (field) {
        widget->setFont(arial(kFieldPoints));
    }
    // What shows no caption of its own is named by it.
    if ((field || row.kind == ControlKind::PictureButton || row.kind == ControlKind::Picture ||
         row.kind == ControlKind::InfoText) &&
        !row.caption.isEmpty()) {
        widget->setAccessibleName(row.caption.toString());
    }
    setTwipsGeometry(*widget, QRectF(row.left, row.top, row.width, row.height));
    widget->setVisible(row.start != StartState::Hidden);
    widget->setEnabled(row.start != StartState::Disabled);
    return widget;
}

} // namespace scribel
