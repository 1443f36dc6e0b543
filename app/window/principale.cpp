#include "principale.h"

#include "app/about/bannerlabel.h"
#include "app/about/links.h"
#include "app/actions/givenfile.h"
#include "app/actions/sheetdrop.h"
#include "app/fields/categories.h"
#include "app/fields/sheetlineedit.h"
#include "app/window/controlfactory.h"
#include "app/window/lazypicture.h"
#include "app/window/stylefit.h"
#include "app/window/wholerepaint.h"
#include "app/window/windowcontrols.h"
#include "app/window/windowkeys.h"
#include "app/window/windowtables.h"
#include "platform/core/twips.h"
#include "platform/widgets/twipsgeometry.h"
#include "sheet/magazineprofile.h"
#include "version.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTimer>

// The pictures live in the library's resources, which a static library must register.
static void registerPictures() {
    Q_INIT_RESOURCE(resources);
}

namespace scribel {

namespace {

constexpr int kBannerIntervalMs = 16; // the display's pace: readable, and light on the processor
constexpr double kWindowPoints = 7.5; // small enough for every caption to fit the sizes it is given
constexpr double kTitlePoints = 18;

} // namespace

Principale::Principale(const Services& services, QWidget* parent)
    : QWidget(parent), m_services(services), m_fileActions(*this, m_services),
      m_printAction(*this, m_services), m_linkOpener(*this, m_services) {
    registerPictures();
    setObjectName(QStringLiteral("Principale"));
    setFont(arial(kWindowPoints));
    setWindowIcon(readIcon(QStringLiteral(":/images/scribel-48.bmp")));
    // The window's size is fixed: no title bar may offer to maximise it. Without the
    // customising hint Qt would put every button back.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    repaintWholeOnExpose(*this);
    buildControls();
    m_form = std::make_unique<WidgetForm>(*this);
    connectHandlers();
    new WindowKeys(*this, *m_onglet);
    Form_Load();
    new SheetDrop(this, [this](const QStringList& paths) { openGivenFiles(paths); });
}

void Principale::openGivenFiles(const QStringList& paths) {
    scribel::openGivenFiles(*this, m_fileActions, m_services.messages, paths,
                            [this](Magazine magazine) { chooseMagazine(magazine); });
}

Principale::~Principale() = default;

QWidget* Principale::control(QStringView name) const {
    return m_controls->control(name);
}

void Principale::buildControls() {
    m_controls = std::make_unique<WindowControls>(*this);
    m_onglet = m_controls->tabs();
    m_message = m_controls->banner();
    const QRectF messagePlace = twipsGeometry(*m_message);
    m_messageLeft = static_cast<int>(messagePlace.left());
    m_messageWidth = static_cast<int>(messagePlace.width());
    m_messageBoxWidth = static_cast<int>(twipsGeometry(*m_message->parentWidget()).width());
    fitToStyle(*this, *m_onglet); // room for a desktop style's larger parts
    for (int tab = 0; tab < m_onglet->count(); ++tab) {
        fitButtonsToStyle(*m_onglet->widget(tab), *m_onglet);
    }
    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(kBannerIntervalMs);
}

void Principale::connectHandlers() {
    const auto onClick = [this](QStringView name, auto handler) {
        connect(qobject_cast<QPushButton*>(control(name)), &QPushButton::clicked, this, handler);
    };
    onClick(u"Pixelor", &Principale::Pixelor_Click);
    onClick(u"Zorvane", &Principale::Zorvane_Click);
    onClick(u"RAZ", &Principale::RAZ_Click);
    onClick(u"Quitter", &Principale::Quitter_Click);
    onClick(u"Sauvegarder", &Principale::Sauvegarder_Click);
    onClick(u"Charger", &Principale::Charger_Click);
    onClick(u"Imprimer", &Principale::Imprimer_Click);

    connect(m_onglet, &QTabWidget::currentChanged, this, &Principale::Onglet_Click);
    connect(m_timer1, &QTimer::timeout, this, &Principale::Timer1_Timer);
    for (const Link& link : kLinks) {
        onClick(link.button, [this, &link] { OuvrirDocument(link); });
    }
    connect(qobject_cast<QComboBox*>(field(Field::ListeCategorie)), &QComboBox::currentIndexChanged,
            this, &Principale::ListeCategorie_Click);

    // Change handlers run on every change of their control, by the author or by program,
    // and read the control's own state.
    const auto onToggle = [this](Field which, auto handler) {
        connect(qobject_cast<QAbstractButton*>(field(which)), &QAbstractButton::toggled, this,
                handler);
    };
    onToggle(Field::Shareware, &Principale::Shareware_Click);
    onToggle(Field::Freeware, &Principale::Freeware_Click);
    onToggle(Field::DomainePublic, &Principale::DomainePublic_Click);
    onToggle(Field::Assimile, &Principale::Assimile_Click);
    onToggle(Field::OptionAutre, &Principale::OptionAutre_Click);
    onToggle(Field::LimitationsOui, &Principale::LimitationsOui_Click);
    onToggle(Field::LimitationsNon, &Principale::LimitationsNon_Click);
    onToggle(Field::LicenceAutres, &Principale::LicenceAutres_Click);
    onToggle(Field::MembreAutre, &Principale::MembreAutre_Click);

    for (const KeyRule& rule : kKeyRules) {
        qobject_cast<SheetLineEdit*>(field(rule.field))->setKeyHook([this, &rule](QChar& code) {
            Saisie_KeyPress(rule, code);
        });
    }
}

void Principale::Form_Load() {
    // On Wayland the compositor places windows: a client's move() is ignored.
    const bool placedByCompositor =
        QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    if (const QScreen* screen = this->screen(); screen && !placedByCompositor) {
        const QRect available = screen->geometry();
        const QSize outer = frameGeometry().size();
        move(available.left() + (available.width() - outer.width()) / 2,
             available.top() + (available.height() - outer.height()) / 2);
    }

    m_controls->centreOnTabs();
    m_controls->bringWindowButtonsToFront(true);

    m_choixMagazine = Magazine::None;
    m_versionProgramme = versionText();
    auto* titre = qobject_cast<QLabel*>(control(u"Titre"));
    titre->setFont(arial(kTitlePoints, true, true));
    titre->setText(QStringLiteral("Scribel   Version ") + m_versionProgramme);
    setWindowTitle(QStringLiteral("La Scribel ") + m_versionProgramme);
    fillCategories();

    m_timer1->start();
}

void Principale::fillCategories() {
    auto* list = qobject_cast<QComboBox*>(field(Field::ListeCategorie));
    const QSignalBlocker blocker(list); // filling chooses nothing
    list->addItems(categoryNames());
    list->setCurrentIndex(-1);
}

void Principale::chooseMagazine(Magazine chosen) {
    const MagazineProfile* magazine = profileOf(chosen);
    if (magazine == nullptr) {
        return;
    }
    RemiseAZero();
    m_onglet->setEnabled(true);
    for (const QStringView name : kStartTabButtons) {
        control(name)->setEnabled(name != u"Imprimer" || !m_printAction.waiting());
    }
    m_timer1->stop();
    control(u"SupportMessage")->hide();
    m_controls->presentMagazine(*magazine);
    setWindowTitle(QStringLiteral("La Scribel ") + m_versionProgramme + u' ' +
                   magazine->name.toString());
    m_choixMagazine = chosen;
    // The next step is a tab; a second Space on the magazine button would clear the sheet.
    m_onglet->tabBar()->setFocus(Qt::OtherFocusReason);
}

void Principale::Pixelor_Click() {
    chooseMagazine(Magazine::Pixelor);
}

void Principale::Zorvane_Click() {
    chooseMagazine(Magazine::Zorvane);
}

void Principale::RemiseAZero() {
    for (const StartStateRow& row : startState()) {
        for (const Field which : row.emptied) {
            m_form->setText(which, QString());
        }
        for (const Field which : row.unchosen) {
            m_form->setOn(which, false);
        }
        for (const QStringView name : row.hidden) {
            control(name)->hide();
        }
    }
    qobject_cast<QComboBox*>(field(Field::ListeCategorie))->clear();
    qobject_cast<QComboBox*>(field(Field::ListeSousCategorie))->clear();
    fillCategories();
}

void Principale::RAZ_Click() {
    RemiseAZero();
    m_onglet->setEnabled(false);
    for (const QStringView name : kStartTabButtons) {
        control(name)->setEnabled(false);
    }
    m_controls->showTitleOf(nullptr);
    m_timer1->start();
    control(u"SupportMessage")->show();
    setWindowTitle(QStringLiteral("La Scribel"));
    m_choixMagazine = Magazine::None;
    // RAZ has disabled itself and the tabs: choosing a magazine is all there is to do.
    control(kMagazineProfiles.front().name)->setFocus(Qt::OtherFocusReason);
}

void Principale::Onglet_Click() {
    const int tab = m_onglet->currentIndex();
    if (tab < 0 || tab >= static_cast<int>(kTabArrivals.size())) {
        return;
    }
    const TabArrival& arrival = kTabArrivals[static_cast<std::size_t>(tab)];
    std::optional<Field> focus = arrival.focus;
    if (arrival.focusFromProfile) {
        const MagazineProfile* profile = profileOf(m_choixMagazine);
        focus = profile != nullptr ? profile->licenceTabFocus : std::nullopt;
    }
    if (focus) {
        field(*focus)->setFocus(Qt::TabFocusReason);
    }
    m_controls->bringWindowButtonsToFront(arrival.windowButtonsInFront);
    if (arrival.focusOnStrip) {
        m_onglet->tabBar()->setFocus(Qt::TabFocusReason);
    }
}

void Principale::Sauvegarder_Click() {
    m_fileActions.save();
}

void Principale::Charger_Click() {
    // Pressed by its letter, the button has not taken the focus: the dialog and the message
    // hand the focus back to it, as to Sauvegarder.
    control(u"Charger")->setFocus(Qt::OtherFocusReason);
    m_fileActions.load();
}

void Principale::Imprimer_Click() {
    m_printAction.print();
}

void Principale::ListeCategorie_Click() {
    const std::optional<QStringList> subCategories =
        subCategoriesOf(m_form->text(Field::ListeCategorie));
    if (!subCategories) {
        return; // none chosen
    }
    auto* list = qobject_cast<QComboBox*>(field(Field::ListeSousCategorie));
    list->clear();
    list->addItems(*subCategories);
    list->setCurrentIndex(-1);
}

void Principale::Timer1_Timer() {
    // The box holds the banner directly: no tab page's offset, no style's adjustment.
    m_messageLeft = nextBannerLeft(m_messageLeft, m_messageWidth, m_messageBoxWidth);
    m_message->move(twipsToPixels(m_messageLeft, m_message->logicalDpiX()), m_message->y());
}

void Principale::Saisie_KeyPress(const KeyRule& rule, QChar& code) {
    if (code == QChar(kEnterCode)) {
        field(rule.next)->setFocus(Qt::TabFocusReason);
        return;
    }
    code = applyCaseRule(rule.caseRule, code, m_form->text(rule.field));
}

void Principale::giveFocus(Field which) {
    // A value set by program must not switch or steal the tab.
    if (!m_form->isSettingValues() || m_onglet->currentWidget()->isAncestorOf(field(which))) {
        field(which)->setFocus(Qt::OtherFocusReason);
    }
}

} // namespace scribel
