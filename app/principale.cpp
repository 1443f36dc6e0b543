#include "principale.h"

#include "about/banner.h"
#include "about/documents.h"
#include "about/information.h"
#include "about/links.h"
#include "app/bannerlabel.h"
#include "app/categories.h"
#include "app/compacttabstyle.h"
#include "app/controlcatalogue.h"
#include "app/givenfile.h"
#include "app/lazypicture.h"
#include "app/magazinepresentation.h"
#include "app/sheetdrop.h"
#include "app/sheetlineedit.h"
#include "app/sheettextedit.h"
#include "platform/twips.h"
#include "platform/twipsgeometry.h"
#include "platform/widgetform.h"
#include "version.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTimer>
#include <QUrl>
#include <optional>
#include <vector>

// The pictures live in the library's resources, which a static library must register.
static void registerPictures() {
    Q_INIT_RESOURCE(resources);
}

namespace scribel {

namespace {

constexpr std::array kLicenceControls = {QStringView(u"Frame6"), QStringView(u"Label21"),
                                         QStringView(u"Label22"),
                                         fieldName(Field::SaisieRetribution)};

constexpr std::array kStartTabButtons = {QStringView(u"Imprimer"), QStringView(u"Sauvegarder"),
                                         QStringView(u"Charger"), QStringView(u"RAZ")};

constexpr std::array kWindowButtons = {QStringView(u"Pixelor"), QStringView(u"Zorvane"),
                                       QStringView(u"Quitter")};

// The start state of the sheet, tab by tab: what is emptied, unchosen and hidden.
struct StartStateRow {
    std::vector<Field> emptied;
    std::vector<Field> unchosen;
    std::vector<QStringView> hidden;
};

const std::vector<StartStateRow>& startState() {
    using F = Field;
    static const std::vector<StartStateRow> rows = {
        {{F::SaisieNom, F::SaisiePrenom, F::SaisieNumero, F::SaisieIndice, F::SaisieRue,
          F::SaisieCodePostal, F::SaisieVille, F::SaisieTelDom, F::SaisieTelBur,
          F::SaisieTelPortable, F::SaisieEmail, F::SaisieWeb, F::SaisieNaissance, F::SaisieActivite,
          F::SaisieAutre},
         {F::Qora, F::ZOLK, F::MembreAutre},
         {fieldName(F::SaisieAutre)}},
        {{F::SaisieLogiciel, F::SaisieDescription, F::SaisieVersion, F::SaisieDateCreation,
          F::SaisieLangage, F::SaisieVersionLangage, F::Limitations},
         {F::LogFrancais, F::LogAnglais, F::LogAuChoix, F::DocFrancais, F::DocAnglais,
          F::DocAuChoix, F::DiffuInedit, F::DiffuBeta, F::DiffuNouveaute, F::DiffuMiseAjour,
          F::LimitationsOui, F::LimitationsNon, F::CDoui, F::CDnon},
         {fieldName(F::Limitations)}},
        {{F::SaisieDiffuAutre},
         {F::Shareware, F::Freeware, F::DomainePublic, F::Assimile, F::OptionAutre},
         {fieldName(F::SaisieDiffuAutre)}},
        {{F::SaisieRetribution, F::AutresServices},
         {F::LicenceSources, F::LicenceVersionGratos, F::LicenceManuel, F::LicenceReduc,
          F::LicenceCourrier, F::LicenceTel, F::LicenceBBS, F::LicenceAutres},
         {fieldName(F::AutresServices), u"TitreAutresServices"}},
        {{},
         {F::DOS, F::Windows3x, F::Windows3xEtPlus, F::Windows95, F::Windows98, F::Windows9x,
          F::Windows9xEtPlus, F::WindowsNT351, F::WindowsNT40, F::Linux},
         {}},
    };
    return rows;
}

// What arriving on a tab does: where the focus goes, and whether the window's own
// buttons stand in front (only over the start tab).
struct TabArrival {
    std::optional<Field> focus;
    bool focusForPixelorOnly;
    bool windowButtonsInFront;
};

constexpr std::array<TabArrival, 7> kTabArrivals = {{
    {std::nullopt, false, true},
    {Field::SaisieNom, false, false},
    {Field::SaisieLogiciel, false, false},
    {std::nullopt, false, false},
    {Field::SaisieRetribution, true, false},
    {std::nullopt, false, false},
    {std::nullopt, false, false},
}};

constexpr QColor kLightYellow(255, 255, 192);
constexpr int kBannerIntervalMs = 16; // the display's pace: readable, and light on the processor

QFont arial(double points, bool bold = false, bool italic = false) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

void setAllColourGroups(QPalette& palette, QPalette::ColorRole role, const QColor& colour) {
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, role, colour);
    }
}

} // namespace

Principale::Principale(const Services& services, QWidget* parent)
    : QWidget(parent), m_services(services), m_fileActions(*this, m_services),
      m_printAction(*this, m_services) {
    registerPictures();
    setObjectName(QStringLiteral("Principale"));
    setFont(arial(7.5)); // small enough for every caption to fit the sizes it is given
    setWindowIcon(QIcon(QStringLiteral(":/images/scribel-48.png")));
    buildControls();
    m_form = std::make_unique<WidgetForm>(*this);
    connectHandlers();
    Form_Load();
    new SheetDrop(this, [this](const QStringList& paths) { openGivenFiles(paths); });
}

void Principale::openGivenFiles(const QStringList& paths) {
    scribel::openGivenFiles(*this, m_fileActions, m_services.messages, paths);
}

Principale::~Principale() = default;

Form& Principale::form() {
    return *m_form;
}
const Form& Principale::form() const {
    return *m_form;
}

void Principale::setMagazine(Magazine magazine) {
    m_choixMagazine = magazine;
}

QWidget* Principale::control(QStringView name) const {
    QWidget* widget = m_controls.value(name.toString());
    Q_ASSERT_X(widget != nullptr, "Principale::control", "unknown control name");
    return widget;
}

QWidget* Principale::field(Field which) const {
    return m_form->widget(which);
}

void Principale::buildControls() {
    const double dpi = logicalDpiX();
    setFixedSize(twipsToPixels(8235, dpi), twipsToPixels(4950, dpi));

    QHash<QWidget*, QButtonGroup*> optionGroups;
    std::vector<std::pair<QLabel*, QStringView>> buddies;

    for (const ControlSpec& row : controlCatalogue()) {
        QWidget* container = this;
        if (!row.container.box.isEmpty()) {
            container = control(row.container.box);
        } else if (row.container.tab >= 0) {
            container = m_onglet->widget(row.container.tab);
        }
        const QString caption = row.caption.toString();
        QWidget* widget = nullptr;
        switch (row.kind) {
        case ControlKind::TabControl: {
            m_onglet = new TwipsTabWidget(container);
            auto* tabStyle = new CompactTabStyle();
            tabStyle->setParent(m_onglet);
            m_onglet->tabBar()->setStyle(tabStyle);
            m_onglet->setUsesScrollButtons(false);
            for (const TabSpec& tab : tabCatalogue()) {
                m_onglet->addTab(new QWidget(m_onglet), tab.caption.toString());
            }
            widget = m_onglet;
            break;
        }
        case ControlKind::LineEdit: {
            auto* edit = new SheetLineEdit(row.limit, container);
            edit->setFont(arial(9));
            widget = edit;
            break;
        }
        case ControlKind::TextArea: {
            auto* edit = new SheetTextEdit(row.limit, container);
            edit->setFont(arial(9));
            widget = edit;
            break;
        }
        case ControlKind::Option: {
            auto* option = new QRadioButton(caption, container);
            QButtonGroup*& group = optionGroups[container];
            if (group == nullptr) {
                group = new QButtonGroup(container);
            }
            group->addButton(option);
            widget = option;
            break;
        }
        case ControlKind::CheckBox:
            widget = new QCheckBox(caption, container);
            break;
        case ControlKind::List: {
            auto* list = new QComboBox(container);
            list->setEditable(false);
            widget = list;
            break;
        }
        case ControlKind::Label: {
            auto* label = new QLabel(caption, container);
            if (!row.buddy.isEmpty()) {
                buddies.emplace_back(label, row.buddy);
            }
            widget = label;
            break;
        }
        case ControlKind::GroupBox:
            widget = new QGroupBox(caption, container);
            break;
        case ControlKind::Button:
            widget = new QPushButton(caption, container);
            break;
        case ControlKind::PictureButton: {
            auto* button = new QPushButton(container);
            button->setIcon(QIcon(row.picture.toString()));
            button->setIconSize(
                QSize(twipsToPixels(row.width, dpi) - 8, twipsToPixels(row.height, dpi) - 6));
            button->setAccessibleName(caption);
            button->setToolTip(caption);
            widget = button;
            break;
        }
        case ControlKind::Picture: {
            auto* picture = new LazyPicture(row.picture.toString(), container);
            picture->setAccessibleName(caption);
            widget = picture;
            break;
        }
        case ControlKind::Panel: {
            auto* panel = new QLabel(caption, container);
            panel->setAlignment(Qt::AlignCenter);
            panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
            widget = panel;
            break;
        }
        case ControlKind::BannerBox: {
            auto* box = new QFrame(container);
            QPalette palette = box->palette();
            setAllColourGroups(palette, QPalette::Window, kLightYellow);
            box->setPalette(palette);
            box->setAutoFillBackground(true);
            box->setFrameStyle(QFrame::Box | QFrame::Plain);
            widget = box;
            break;
        }
        case ControlKind::BannerText: {
            m_message = new BannerLabel(container);
            m_message->setFont(arial(15.75, true, true));
            QPalette palette = m_message->palette();
            setAllColourGroups(palette, QPalette::WindowText, Qt::blue);
            m_message->setPalette(palette);
            m_message->setAttribute(Qt::WA_TranslucentBackground);
            widget = m_message;
            break;
        }
        case ControlKind::InfoText: {
            // Read-only text on light yellow; a label is all it needs, and opens faster
            // than an edit box.
            auto* text = new QLabel(container);
            text->setTextFormat(Qt::PlainText);
            text->setText(informationText().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
            text->setWordWrap(true);
            text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            text->setMargin(3);
            text->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
            text->setAccessibleName(caption);
            QPalette palette = text->palette();
            setAllColourGroups(palette, QPalette::Window, kLightYellow);
            setAllColourGroups(palette, QPalette::WindowText, Qt::black);
            setAllColourGroups(palette, QPalette::Text, Qt::black); // readable while disabled
            text->setPalette(palette);
            text->setAutoFillBackground(true);
            widget = text;
            break;
        }
        }
        widget->setObjectName(row.name.toString());
        if ((row.kind == ControlKind::LineEdit || row.kind == ControlKind::TextArea) &&
            !caption.isEmpty()) {
            widget->setAccessibleName(caption);
        }
        setTwipsGeometry(*widget, QRectF(row.left, row.top, row.width, row.height));
        widget->setVisible(row.start != StartState::Hidden);
        widget->setEnabled(row.start != StartState::Disabled);
        m_controls.insert(widget->objectName(), widget);
    }

    for (const auto& [label, buddyName] : buddies) {
        QWidget* buddy = control(buddyName);
        label->setBuddy(buddy);
        buddy->setAccessibleName(label->text());
        const bool above = twipsGeometry(*label).bottom() <= twipsGeometry(*buddy).top();
        label->setAlignment(Qt::AlignVCenter | (above ? Qt::AlignLeft : Qt::AlignRight));
    }
    for (const Link& link : kLinks) {
        qobject_cast<QPushButton*>(control(link.button))->setText(linkCaption(link));
    }

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(kBannerIntervalMs);
}

void Principale::connectHandlers() {
    const auto onClick = [this](QStringView name, void (Principale::*handler)()) {
        connect(qobject_cast<QPushButton*>(control(name)), &QPushButton::clicked, this, handler);
    };
    onClick(u"Pixelor", &Principale::Pixelor_Click);
    onClick(u"Zorvane", &Principale::Zorvane_Click);
    onClick(u"RAZ", &Principale::RAZ_Click);
    onClick(u"Quitter", &Principale::Quitter_Click);
    onClick(u"Sauvegarder", &Principale::Sauvegarder_Click);
    onClick(u"Charger", &Principale::Charger_Click);
    onClick(u"Imprimer", &Principale::Imprimer_Click);
    for (std::size_t i = 0; i < kLinks.size(); ++i) {
        connect(qobject_cast<QPushButton*>(control(kLinks[i].button)), &QPushButton::clicked, this,
                [this, i] { OuvrirDocument(static_cast<int>(i)); });
    }

    connect(m_onglet, &QTabWidget::currentChanged, this, &Principale::Onglet_Click);
    connect(qobject_cast<QComboBox*>(field(Field::ListeCategorie)), &QComboBox::currentIndexChanged,
            this, &Principale::ListeCategorie_Click);
    connect(m_timer1, &QTimer::timeout, this, &Principale::Timer1_Timer);

    // Change handlers run on every change of their control, by the author or by program,
    // and read the control's own state.
    const auto onToggle = [this](Field which, void (Principale::*handler)()) {
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
    if (const QScreen* screen = this->screen()) {
        const QRect available = screen->geometry();
        const QSize outer = frameGeometry().size();
        move(available.left() + (available.width() - outer.width()) / 2,
             available.top() + (available.height() - outer.height()) / 2);
    }

    const double tabWidth = twipsGeometry(*m_onglet).width();
    for (const QStringView name :
         {u"TitreZorvane", u"TitrePixelor", u"Afficheur", u"SupportMessage"}) {
        QWidget& widget = *control(name);
        setTwipsLeft(widget, (tabWidth - twipsGeometry(widget).width()) / 2);
    }
    QWidget& pixelor = *control(u"Pixelor");
    QWidget& zorvane = *control(u"Zorvane");
    const double pixelorWidth = twipsGeometry(pixelor).width();
    const double pixelorLeft =
        (tabWidth - (pixelorWidth + 480 + twipsGeometry(zorvane).width())) / 2;
    setTwipsLeft(pixelor, pixelorLeft);
    setTwipsLeft(zorvane, pixelorLeft + pixelorWidth + 480);
    bringWindowButtonsToFront(true);

    m_choixMagazine = Magazine::None;
    m_versionProgramme = versionText();
    auto* titre = qobject_cast<QLabel*>(control(u"Titre"));
    titre->setFont(arial(18, true, true));
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

void Principale::chooseMagazine(const MagazinePresentation& presentation) {
    RemiseAZero();
    m_onglet->setEnabled(true);
    for (const QStringView name : kStartTabButtons) {
        control(name)->setEnabled(true);
    }
    control(presentation.titleShown)->show();
    control(presentation.titleHidden)->hide();
    m_timer1->stop();
    control(u"SupportMessage")->hide();
    setShown(Field::Shareware, presentation.sharewareShown);
    setShown(Field::Assimile, presentation.assimileShown);
    setTwipsTop(*field(Field::DomainePublic), presentation.domainePublicTop);
    setTwipsTop(*field(Field::OptionAutre), presentation.optionAutreTop);
    setTwipsTop(*field(Field::SaisieDiffuAutre), presentation.optionAutreTop);
    for (const QStringView name : kLicenceControls) {
        control(name)->setVisible(presentation.licenceShown);
    }
    qobject_cast<QRadioButton*>(field(Field::DiffuInedit))
        ->setText(presentation.ineditCaption.toString());
    setWindowTitle(QStringLiteral("La Scribel ") + m_versionProgramme + u' ' +
                   presentation.name.toString());
    m_choixMagazine = presentation.magazine;
}

void Principale::Pixelor_Click() {
    chooseMagazine(kPixelorPresentation);
}

void Principale::Zorvane_Click() {
    chooseMagazine(kZorvanePresentation);
}

void Principale::RemiseAZero() {
    for (const StartStateRow& row : startState()) {
        for (const Field which : row.emptied) {
            empty(which);
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
    control(u"TitrePixelor")->hide();
    control(u"TitreZorvane")->hide();
    m_timer1->start();
    control(u"SupportMessage")->show();
    setWindowTitle(QStringLiteral("La Scribel"));
    m_choixMagazine = Magazine::None;
}

void Principale::Onglet_Click() {
    const int tab = m_onglet->currentIndex();
    if (tab < 0 || tab >= static_cast<int>(kTabArrivals.size())) {
        return;
    }
    const TabArrival& arrival = kTabArrivals[static_cast<std::size_t>(tab)];
    if (arrival.focus && (!arrival.focusForPixelorOnly || m_choixMagazine == Magazine::Pixelor)) {
        field(*arrival.focus)->setFocus(Qt::TabFocusReason);
    }
    bringWindowButtonsToFront(arrival.windowButtonsInFront);
}

void Principale::bringWindowButtonsToFront(bool front) {
    for (const QStringView name : kWindowButtons) {
        QWidget* button = control(name);
        if (front) {
            button->show();
            button->raise();
        } else {
            button->lower();
            button->hide(); // behind the tab control they must not take clicks or keys either
        }
    }
}

void Principale::Quitter_Click() {
    close();
}

void Principale::Sauvegarder_Click() {
    m_fileActions.save();
}

void Principale::Charger_Click() {
    m_fileActions.load();
}

void Principale::Imprimer_Click() {
    m_printAction.print();
}

void Principale::ListeCategorie_Click() {
    const QString category = m_form->text(Field::ListeCategorie);
    if (category.isEmpty()) {
        return;
    }
    const std::optional<QStringList> subCategories = subCategoriesOf(category);
    if (!subCategories) {
        return;
    }
    auto* list = qobject_cast<QComboBox*>(field(Field::ListeSousCategorie));
    list->clear();
    list->addItems(*subCategories);
    list->setCurrentIndex(-1);
}

void Principale::Timer1_Timer() {
    const int textWidth = static_cast<int>(twipsGeometry(*m_message).width());
    const int boxWidth = static_cast<int>(twipsGeometry(*m_message->parentWidget()).width());
    const int left = static_cast<int>(twipsGeometry(*m_message).left());
    setTwipsLeft(*m_message, nextBannerLeft(left, textWidth, boxWidth));
}

void Principale::Saisie_KeyPress(const KeyRule& rule, QChar& code) {
    if (code == QChar(kEnterCode)) {
        field(rule.next)->setFocus(Qt::TabFocusReason);
        return;
    }
    code = applyCaseRule(rule.caseRule, code, m_form->text(rule.field));
}

void Principale::setShown(Field which, bool shown) {
    field(which)->setVisible(shown);
}

void Principale::empty(Field which) {
    m_form->setText(which, QString());
}

void Principale::giveFocus(Field which) {
    QWidget* target = field(which);
    const bool onShownTab = m_onglet->currentWidget()->isAncestorOf(target);
    if (m_form->isSettingValues() && !onShownTab) {
        return; // a value set by program must not switch or steal the tab
    }
    target->setFocus(Qt::OtherFocusReason);
}

// The dependent fields: each handler reads its own control's state.

// Choosing one of the named distributions puts away the other mode's field.
void Principale::hideOtherDistributionWhenChosen(Field option) {
    if (m_form->isOn(option)) {
        setShown(Field::SaisieDiffuAutre, false);
        empty(Field::SaisieDiffuAutre);
    }
}

void Principale::Shareware_Click() {
    hideOtherDistributionWhenChosen(Field::Shareware);
}

void Principale::Freeware_Click() {
    hideOtherDistributionWhenChosen(Field::Freeware);
}

void Principale::DomainePublic_Click() {
    hideOtherDistributionWhenChosen(Field::DomainePublic);
}

void Principale::Assimile_Click() {
    hideOtherDistributionWhenChosen(Field::Assimile);
}

void Principale::OptionAutre_Click() {
    if (m_form->isOn(Field::OptionAutre)) {
        setShown(Field::SaisieDiffuAutre, true);
        empty(Field::SaisieDiffuAutre);
        giveFocus(Field::SaisieDiffuAutre);
    }
}

void Principale::LimitationsOui_Click() {
    if (m_form->isOn(Field::LimitationsOui)) {
        empty(Field::Limitations);
        setShown(Field::Limitations, true);
        giveFocus(Field::Limitations);
    }
}

void Principale::LimitationsNon_Click() {
    if (m_form->isOn(Field::LimitationsNon)) {
        empty(Field::Limitations);
        setShown(Field::Limitations, false);
    }
}

void Principale::LicenceAutres_Click() {
    const bool ticked = m_form->isOn(Field::LicenceAutres);
    control(u"TitreAutresServices")->setVisible(ticked);
    setShown(Field::AutresServices, ticked);
    empty(Field::AutresServices);
    if (ticked) {
        giveFocus(Field::AutresServices);
    }
}

void Principale::MembreAutre_Click() {
    const bool ticked = m_form->isOn(Field::MembreAutre);
    setShown(Field::SaisieAutre, ticked);
    if (ticked) {
        giveFocus(Field::SaisieAutre);
    }
}

void Principale::OuvrirDocument(int linkIndex) {
    const Link& link = kLinks[static_cast<std::size_t>(linkIndex)];
    const QString target = link.target.toString();
    QUrl url;
    switch (link.kind) {
    case LinkKind::Document: {
        // The current folder first (a dialog may have moved it), then the program's own.
        const QStringList folders = {QDir::currentPath(), QCoreApplication::applicationDirPath()};
        const std::optional<QString> path = findDocument(target, folders);
        if (!path) {
            m_services.messages.show(
                this, MessageIcon::Warning, messageTitle(),
                QStringLiteral("Le document « %1 » est introuvable : il n'est ni dans le "
                               "dossier courant (%2) ni dans celui du programme (%3).")
                    .arg(target, QDir::toNativeSeparators(folders[0]),
                         QDir::toNativeSeparators(folders[1])));
            return;
        }
        url = QUrl::fromLocalFile(*path);
        break;
    }
    case LinkKind::WebAddress:
        url = QUrl(target);
        break;
    case LinkKind::MailAddress:
        url = QUrl(QStringLiteral("mailto:") + target);
        break;
    }
    if (!m_services.openAction.open(url)) {
        m_services.messages.show(
            this, MessageIcon::Warning, messageTitle(),
            QStringLiteral("Impossible d'ouvrir « %1 » : aucun programme "
                           "du bureau n'a pu s'en charger.")
                .arg(link.kind == LinkKind::Document ? target : url.toString()));
    }
}

} // namespace scribel
