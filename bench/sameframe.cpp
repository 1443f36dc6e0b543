#include "sameframe.h"

#include "app/about/bannerlabel.h"
#include "app/about/infotext.h"
#include "app/fields/categories.h"
#include "app/window/controlcatalogue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

static void registerPictures() {
    Q_INIT_RESOURCE(resources);
}

namespace scribel::bench {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr double kTwipsPerInch = 1440;

QFont arialFont(double points, bool bold = false, bool italic = false) {
    QFont font(u"Arial"_s);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QWidget* plainControl(const ControlSpec& row, QWidget* container) {
    const QString caption = row.caption.toString();
    switch (row.kind) {
    case ControlKind::TabControl: {
        auto* tabs = new QTabWidget(container);
        for (const TabSpec& tab : tabCatalogue()) {
            tabs->addTab(new QWidget(tabs), tab.caption.toString());
        }
        return tabs;
    }
    case ControlKind::LineEdit: {
        auto* edit = new QLineEdit(container);
        edit->setMaxLength(row.limit);
        edit->setFont(arialFont(9));
        return edit;
    }
    case ControlKind::TextArea:
        return new QPlainTextEdit(container);
    case ControlKind::InfoText: {
        auto* text = new QPlainTextEdit(informationText(), container);
        text->setReadOnly(true);
        return text;
    }
    case ControlKind::Option:
        return new QRadioButton(caption, container);
    case ControlKind::CheckBox:
        return new QCheckBox(caption, container);
    case ControlKind::List: {
        auto* list = new QComboBox(container);
        if (row.name == fieldName(Field::ListeCategorie)) {
            list->addItems(categoryNames());
            list->setCurrentIndex(-1);
        }
        return list;
    }
    case ControlKind::GroupBox:
        return new QGroupBox(caption, container);
    case ControlKind::Button:
        return new QPushButton(caption, container);
    case ControlKind::PictureButton: {
        auto* button = new QPushButton(container);
        button->setIcon(QIcon(row.picture.toString()));
        return button;
    }
    case ControlKind::Picture: {
        auto* picture = new QLabel(container);
        picture->setPixmap(QPixmap(row.picture.toString()));
        picture->setScaledContents(true);
        return picture;
    }
    case ControlKind::BannerText: {
        auto* banner = new QLabel(bannerText(), container);
        banner->setFont(arialFont(15.75, true, true));
        return banner;
    }
    case ControlKind::BannerBox: {
        auto* box = new QFrame(container);
        box->setAutoFillBackground(true);
        return box;
    }
    case ControlKind::Label:
    case ControlKind::Panel:
    case ControlKind::Group:
        break;
    }
    return new QLabel(caption, container);
}

} // namespace

std::unique_ptr<QWidget> makeSameFrameWindow() {
    registerPictures();
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(u"La Scribel 2.0"_s);
    window->setFont(arialFont(7.5));
    const double pixelsPerTwip = window->logicalDpiX() / kTwipsPerInch;
    const auto pixels = [pixelsPerTwip](double twips) {
        return qRound(twips * pixelsPerTwip);
    };
    window->setFixedSize(pixels(8235), pixels(4950));
    QHash<QStringView, QWidget*> made;
    QTabWidget* tabs = nullptr;
    for (const ControlSpec& row : controlCatalogue()) {
        QWidget* container = window.get();
        if (!row.container.box.isEmpty()) {
            container = made.value(row.container.box);
        } else if (row.container.tab >= 0) {
            container = tabs->widget(row.container.tab);
        }
        QWidget* control = plainControl(row, container);
        if (row.kind == ControlKind::TabControl) {
            tabs = qobject_cast<QTabWidget*>(control);
        }
        control->setGeometry(pixels(row.left), pixels(row.top), pixels(row.width),
                             pixels(row.height));
        control->setVisible(row.start != StartState::Hidden);
        control->setEnabled(row.start != StartState::Disabled);
        made.insert(row.name, control);
    }
    return window;
}

} // namespace scribel::bench
