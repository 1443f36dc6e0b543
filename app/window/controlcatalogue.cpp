#include "controlcatalogue.h"

#include "sheet/magazineprofile.h"

namespace scribel {

namespace {

using K = ControlKind;
using S = StartState;

constexpr QStringView f(Field field) {
    return fieldName(field);
}

// clang-format off
std::vector<ControlSpec> sheetControls() {
    // The caption the release option shows until a magazine is chosen.
    const QStringView inedit = kMagazineProfiles.front().ineditCaption;
    return {
        // name, kind, container, caption, limit, left, top, width, height, start, buddy, picture

        // Start tab
        {u"SupportMessage", K::BannerBox, onTab(0), u"", 0, 1080, 720, 6495, 495},
        {u"Message", K::BannerText, inBox(0, u"SupportMessage"), u"", 0, 4200, 30, 62100, 360},
        {u"Afficheur", K::InfoText, onTab(0), u"Informations", 0, 240, 2160, 7575, 2055},
        {u"Imprimer", K::Button, onTab(0), u"&Imprimer", 0, 1200, 4320, 1095, 375, S::Disabled},
        {u"Sauvegarder", K::Button, onTab(0), u"&Sauvegarder", 0, 2400, 4320, 1095, 375, S::Disabled},
        {u"Charger", K::Button, onTab(0), u"&Charger", 0, 3600, 4320, 1095, 375, S::Disabled},
        {u"RAZ", K::Button, onTab(0), u"&Remise à zéro", 0, 4800, 4320, 1095, 375, S::Disabled},

        // The author
        {u"Label1", K::Label, onTab(1), u"Nom", 0, 60, 525, 960, 255, S::Shown, f(Field::SaisieNom)},
        {f(Field::SaisieNom), K::LineEdit, onTab(1), u"", 25, 1080, 480, 4095, 330},
        {u"Label2", K::Label, onTab(1), u"Prénom", 0, 60, 885, 960, 255, S::Shown, f(Field::SaisiePrenom)},
        {f(Field::SaisiePrenom), K::LineEdit, onTab(1), u"", 25, 1080, 840, 4095, 330},
        {u"Label3", K::Label, onTab(1), u"Numéro", 0, 60, 1245, 960, 255, S::Shown, f(Field::SaisieNumero)},
        {f(Field::SaisieNumero), K::LineEdit, onTab(1), u"", 3, 1080, 1200, 495, 330},
        {f(Field::SaisieIndice), K::LineEdit, onTab(1), u"Indice du numéro", 3, 1560, 1200, 495, 330},
        {u"Label4", K::Label, onTab(1), u"Adresse", 0, 2160, 1245, 660, 255, S::Shown, f(Field::SaisieRue)},
        {f(Field::SaisieRue), K::LineEdit, onTab(1), u"", 35, 2880, 1200, 4095, 330},
        {u"Label5", K::Label, onTab(1), u"Code postal", 0, 60, 1605, 960, 255, S::Shown, f(Field::SaisieCodePostal)},
        {f(Field::SaisieCodePostal), K::LineEdit, onTab(1), u"", 5, 1080, 1560, 735, 330},
        {u"Label6", K::Label, onTab(1), u"Ville", 0, 2160, 1605, 660, 255, S::Shown, f(Field::SaisieVille)},
        {f(Field::SaisieVille), K::LineEdit, onTab(1), u"", 25, 2880, 1560, 4455, 330},
        {u"Label11", K::Label, onTab(1), u"Tél. domicile", 0, 60, 2085, 960, 255, S::Shown, f(Field::SaisieTelDom)},
        {f(Field::SaisieTelDom), K::LineEdit, onTab(1), u"", 14, 1080, 2040, 1335, 330},
        {u"Label12", K::Label, onTab(1), u"Tél. bureau", 0, 2520, 2085, 1020, 255, S::Shown, f(Field::SaisieTelBur)},
        {f(Field::SaisieTelBur), K::LineEdit, onTab(1), u"", 14, 3600, 2040, 1335, 330},
        {u"Label27", K::Label, onTab(1), u"Tél. portable", 0, 5040, 2085, 1260, 255, S::Shown, f(Field::SaisieTelPortable)},
        {f(Field::SaisieTelPortable), K::LineEdit, onTab(1), u"", 14, 6360, 2040, 1335, 330},
        {u"Label13", K::Label, onTab(1), u"E-mail", 0, 60, 2565, 840, 255, S::Shown, f(Field::SaisieEmail)},
        {f(Field::SaisieEmail), K::LineEdit, onTab(1), u"", 35, 960, 2520, 4215, 330},
        {u"Label14", K::Label, onTab(1), u"Page Web", 0, 60, 2925, 840, 255, S::Shown, f(Field::SaisieWeb)},
        {f(Field::SaisieWeb), K::LineEdit, onTab(1), u"", 80, 960, 2880, 6375, 330},
        {u"Label15", K::Label, onTab(1), u"Année de naissance", 0, 60, 3405, 1800, 255, S::Shown, f(Field::SaisieNaissance)},
        {f(Field::SaisieNaissance), K::LineEdit, onTab(1), u"", 4, 1920, 3360, 735, 330},
        {u"Label16", K::Label, onTab(1), u"Activité professionnelle", 0, 60, 3765, 1800, 255, S::Shown, f(Field::SaisieActivite)},
        {f(Field::SaisieActivite), K::LineEdit, onTab(1), u"", 40, 1920, 3720, 4215, 330},
        {u"Label17", K::Label, onTab(1), u"Membre", 0, 60, 4200, 840, 255, S::Shown, u"FrameMembre"},
        {u"FrameMembre", K::Group, onTab(1), u"", 0, 960, 4200, 2655, 255},
        {f(Field::Qora), K::CheckBox, inBox(1, u"FrameMembre"), u"QORA", 0, 0, 0, 855, 255},
        {f(Field::ZOLK), K::CheckBox, inBox(1, u"FrameMembre"), u"ZOLK", 0, 840, 0, 855, 255},
        {f(Field::MembreAutre), K::CheckBox, inBox(1, u"FrameMembre"), u"Autre", 0, 1800, 0, 855, 255},
        {f(Field::SaisieAutre), K::LineEdit, onTab(1), u"Nom de l'autre association", 20, 3600, 4200, 1695, 330, S::Hidden},

        // The programme
        {u"Label7", K::Label, onTab(2), u"Nom", 0, 120, 360, 4095, 240, S::Shown, f(Field::SaisieLogiciel)},
        {u"Label9", K::Label, onTab(2), u"Version", 0, 4920, 360, 975, 240, S::Shown, f(Field::SaisieVersion)},
        {u"Label10", K::Label, onTab(2), u"Date de création", 0, 6480, 360, 1455, 240, S::Shown, f(Field::SaisieDateCreation)},
        {f(Field::SaisieLogiciel), K::LineEdit, onTab(2), u"", 25, 120, 600, 4095, 330},
        {f(Field::SaisieVersion), K::LineEdit, onTab(2), u"", 25, 4920, 600, 975, 330},
        {f(Field::SaisieDateCreation), K::LineEdit, onTab(2), u"", 10, 6480, 600, 1455, 330},
        {u"Label19", K::Label, onTab(2), u"Langage de programmation", 0, 0, 1005, 2100, 255, S::Shown, f(Field::SaisieLangage)},
        {f(Field::SaisieLangage), K::LineEdit, onTab(2), u"", 20, 2160, 960, 2055, 330},
        {u"Label20", K::Label, onTab(2), u"Version du langage", 0, 0, 1365, 2100, 255, S::Shown, f(Field::SaisieVersionLangage)},
        {f(Field::SaisieVersionLangage), K::LineEdit, onTab(2), u"", 20, 2160, 1320, 2055, 330},
        {u"Label8", K::Label, onTab(2), u"Description", 0, 5040, 960, 2895, 240, S::Shown, f(Field::SaisieDescription)},
        {f(Field::SaisieDescription), K::TextArea, onTab(2), u"", 228, 5040, 1200, 2895, 855},
        {u"Frame4", K::GroupBox, onTab(2), u"Le programme peut-il s'exécuter d'un CD ?", 0, 120, 1800, 4095, 615},
        {f(Field::CDoui), K::Option, inBox(2, u"Frame4"), u"Oui", 0, 240, 300, 975, 255},
        {f(Field::CDnon), K::Option, inBox(2, u"Frame4"), u"Non", 0, 1440, 300, 975, 255},
        {u"Frame5", K::GroupBox, onTab(2), u"Le programme a-t-il des limitations ?", 0, 120, 2520, 4095, 615},
        {f(Field::LimitationsOui), K::Option, inBox(2, u"Frame5"), u"Oui", 0, 240, 300, 975, 255},
        {f(Field::LimitationsNon), K::Option, inBox(2, u"Frame5"), u"Non", 0, 1440, 300, 975, 255},
        {f(Field::Limitations), K::TextArea, onTab(2), u"Limitations du programme", 251, 4320, 2160, 3615, 1335, S::Hidden},
        {u"Label18", K::Label, onTab(2), u"Catégorie", 0, 120, 3240, 1935, 240, S::Shown, f(Field::ListeCategorie)},
        {u"Label28", K::Label, onTab(2), u"Sous Catégorie", 0, 2160, 3240, 1935, 240, S::Shown, f(Field::ListeSousCategorie)},
        {f(Field::ListeCategorie), K::List, onTab(2), u"", 0, 120, 3480, 1935, 315},
        {f(Field::ListeSousCategorie), K::List, onTab(2), u"", 0, 2160, 3480, 1935, 315},
        {u"Frame3", K::GroupBox, onTab(2), u"Diffusion", 0, 120, 3840, 3375, 855},
        {f(Field::DiffuInedit), K::Option, inBox(2, u"Frame3"), inedit, 0, 120, 240, 1815, 255},
        {f(Field::DiffuMiseAjour), K::Option, inBox(2, u"Frame3"), u"Mise à jour", 0, 2040, 240, 1215, 255},
        {f(Field::DiffuNouveaute), K::Option, inBox(2, u"Frame3"), u"Nouveauté", 0, 120, 480, 1815, 255},
        {f(Field::DiffuBeta), K::Option, inBox(2, u"Frame3"), u"Version Béta", 0, 2040, 480, 1215, 255},
        {u"Frame2", K::GroupBox, onTab(2), u"Logiciel", 0, 4560, 3600, 1695, 1095},
        {f(Field::LogFrancais), K::Option, inBox(2, u"Frame2"), u"en Français", 0, 120, 240, 1455, 255},
        {f(Field::LogAnglais), K::Option, inBox(2, u"Frame2"), u"en Anglais", 0, 120, 480, 1455, 255},
        {f(Field::LogAuChoix), K::Option, inBox(2, u"Frame2"), u"au choix", 0, 120, 720, 1455, 255},
        {u"Frame1", K::GroupBox, onTab(2), u"Documentation", 0, 6360, 3600, 1695, 1095},
        {f(Field::DocFrancais), K::Option, inBox(2, u"Frame1"), u"en Français", 0, 120, 240, 1455, 255},
        {f(Field::DocAnglais), K::Option, inBox(2, u"Frame1"), u"en Anglais", 0, 120, 480, 1455, 255},
        {f(Field::DocAuChoix), K::Option, inBox(2, u"Frame1"), u"au choix", 0, 120, 720, 1455, 255},

        // The distribution: the five options stand directly on the tab and form one group
        {f(Field::Shareware), K::Option, onTab(3), u"Shareware", 0, 1200, 1200, 1215, 255},
        {f(Field::Freeware), K::Option, onTab(3), u"Freeware", 0, 1200, 1680, 1095, 255},
        {f(Field::Assimile), K::Option, onTab(3), u"Assimilé", 0, 1200, 2160, 1215, 255},
        {f(Field::DomainePublic), K::Option, onTab(3), u"Domaine public", 0, 1200, 2640, 1575, 255},
        {f(Field::OptionAutre), K::Option, onTab(3), u"Autre", 0, 1200, 3120, 975, 255},
        {f(Field::SaisieDiffuAutre), K::LineEdit, onTab(3), u"Autre mode de diffusion", 25, 2160, 3120, 4695, 330, S::Hidden},

        // The licence
        {u"Label21", K::Label, onTab(4), u"Rétribution (port compris)", 0, 1200, 720, 1890, 255, S::Shown, f(Field::SaisieRetribution)},
        {f(Field::SaisieRetribution), K::LineEdit, onTab(4), u"", 5, 3120, 600, 855, 330},
        {u"Label22", K::Label, onTab(4), u"francs", 0, 4080, 720, 615, 255},
        {u"Frame6", K::GroupBox, onTab(4), u"Services offerts après le paiement", 0, 480, 1440, 3375, 2415},
        {f(Field::LicenceSources), K::CheckBox, inBox(4, u"Frame6"), u"programmes sources", 0, 360, 360, 2055, 255},
        {f(Field::LicenceVersionGratos), K::CheckBox, inBox(4, u"Frame6"), u"nouvelle version gratuite", 0, 360, 600, 2055, 255},
        {f(Field::LicenceManuel), K::CheckBox, inBox(4, u"Frame6"), u"manuel imprimé", 0, 360, 840, 2055, 255},
        {f(Field::LicenceReduc), K::CheckBox, inBox(4, u"Frame6"), u"réduction sur d'autres programmes", 0, 360, 1080, 2775, 255},
        {f(Field::LicenceCourrier), K::CheckBox, inBox(4, u"Frame6"), u"assistance par courrier", 0, 360, 1320, 2055, 255},
        {f(Field::LicenceTel), K::CheckBox, inBox(4, u"Frame6"), u"assistance téléphonique", 0, 360, 1560, 2055, 255},
        {f(Field::LicenceBBS), K::CheckBox, inBox(4, u"Frame6"), u"BBS", 0, 360, 1800, 2055, 255},
        {f(Field::LicenceAutres), K::CheckBox, inBox(4, u"Frame6"), u"Autres", 0, 360, 2040, 855, 255},
        {u"TitreAutresServices", K::Label, onTab(4), u"Autres services", 0, 3960, 1560, 2895, 240, S::Hidden, f(Field::AutresServices)},
        {f(Field::AutresServices), K::TextArea, onTab(4), u"", 171, 3960, 1800, 2895, 2055, S::Hidden},

        // The operating system: ten options in one group box
        {u"Frame11", K::GroupBox, onTab(5), u"Système d'exploitation", 0, 240, 960, 7695, 2655},
        {f(Field::DOS), K::Option, inBox(5, u"Frame11"), u"MS-DOS", 0, 240, 360, 1215, 255},
        {f(Field::Windows3x), K::Option, inBox(5, u"Frame11"), u"Windows 3.x", 0, 1680, 360, 2295, 255},
        {f(Field::Windows3xEtPlus), K::Option, inBox(5, u"Frame11"), u"Windows 3.x et supérieur", 0, 1680, 720, 2295, 255},
        {f(Field::Windows95), K::Option, inBox(5, u"Frame11"), u"Windows 95", 0, 1680, 1080, 2295, 255},
        {f(Field::Windows98), K::Option, inBox(5, u"Frame11"), u"Windows 98", 0, 1680, 1440, 2295, 255},
        {f(Field::Windows9x), K::Option, inBox(5, u"Frame11"), u"Windows 9.x", 0, 1680, 1800, 2295, 255},
        {f(Field::Windows9xEtPlus), K::Option, inBox(5, u"Frame11"), u"Windows 9.x et supérieur", 0, 1680, 2160, 2295, 255},
        {f(Field::WindowsNT351), K::Option, inBox(5, u"Frame11"), u"Windows NT 3.51", 0, 4080, 360, 1935, 255},
        {f(Field::WindowsNT40), K::Option, inBox(5, u"Frame11"), u"Windows NT 4.0", 0, 4080, 720, 1935, 255},
        {f(Field::Linux), K::Option, inBox(5, u"Frame11"), u"Linux", 0, 6120, 360, 1215, 255},

        // About
        {u"Titre", K::Panel, onTab(6), u"Scribel", 0, 600, 600, 6975, 495},
        {u"SSCommand1", K::Button, onTab(6), u"", 0, 4680, 1200, 2895, 375},
        {u"Picture1", K::Picture, onTab(6), u"Logo de l'association ZOLK", 0, 840, 1560, 2940, 1035, S::Shown, {}, u":/images/logo-zolk.png"},
        {u"SSCommand2", K::Button, onTab(6), u"", 0, 4680, 1680, 2895, 375},
        {u"SSCommand3", K::Button, onTab(6), u"", 0, 4680, 2160, 2895, 375},
        {u"SSCommand4", K::Button, onTab(6), u"", 0, 4680, 2640, 2895, 375},
        {u"SSCommand5", K::Button, onTab(6), u"", 0, 600, 3120, 6975, 375},
        {u"EMail", K::Button, onTab(6), u"", 0, 600, 3600, 6975, 375},
        {u"Internet", K::Button, onTab(6), u"", 0, 600, 4080, 6975, 375},
    };
}

} // namespace

const std::vector<TabSpec>& tabCatalogue() {
    static const std::vector<TabSpec> tabs = {
        {u"&La Scribel"},      {u"L'&auteur"},   {u"Le &programme"},
        {u"La &distribution"}, {u"La &licence"}, {u"&Systeme d'exploitation"},
        {u"&A propos"},
    };
    return tabs;
}

// The tab control first, each magazine's title picture first on the start tab, and each
// magazine's button before Quitter.
const std::vector<ControlSpec>& controlCatalogue() {
    static const std::vector<ControlSpec> controls = [] {
        std::vector<ControlSpec> all = {{u"Onglet", K::TabControl, onWindow(), u"", 0, 0, 120, 8250, 4815, S::Disabled}};
        // A magazine's picture over the start tab, shown once it is chosen.
        for (const MagazineProfile& m : kMagazineProfiles) {
            all.push_back({m.titleControl, K::Picture, onTab(0), m.name, 0, m.titleLeft, 360, 6975, 1245, S::Hidden, {}, m.titlePicture});
        }
        const std::vector<ControlSpec> sheet = sheetControls();
        all.insert(all.end(), sheet.begin(), sheet.end());
        // A magazine's button, among the window's own buttons drawn over the start tab.
        for (const MagazineProfile& m : kMagazineProfiles) {
            all.push_back({m.name, K::PictureButton, onWindow(), m.name, 0, m.buttonLeft, 1800, 1695, 375, S::Shown, {}, m.buttonPicture});
        }
        all.push_back({u"Quitter", K::Button, onWindow(), u"&Quitter", 0, 6000, 4440, 1095, 375});
        return all;
    }();
    return controls;
}
// clang-format on

} // namespace scribel
