#include "categories.h"

namespace scribel {

const std::array<Category, 12>& categories() {
    static const std::array<Category, 12> table = {{
        {u"AntiVirus", {u"AntiVirus"}},
        {u"Bureautique",
         {u"Agenda", u"Argent", u"Comptabilité", u"Confidentialité", u"Contact téléphonique",
          u"Divers", u"Euro", u"Gestion", u"Gestion élève", u"Horloge"}},
        {u"Divers",
         {u"Divers", u"Electronique", u"Humour", u"Numérologie", u"PMU", u"Recueil de textes",
          u"Sport"}},
        {u"Educatif", {u"Divers", u"Electronique", u"Maths"}},
        {u"Emulateur", {u"Divers", u"Driver manette", u"N64", u"Nes", u"PSX"}},
        {u"Gestion de fichiers", {u"Explorateur"}},
        {u"Graphisme", {u"Divers", u"Icône", u"Ray-Tracing", u"Viewer"}},
        {u"Internet", {u"Editeur HTML", u"Navigateur", u"Recherche"}},
        {u"Jeux",
         {u"Dés", u"Educatif", u"Lettres", u"Loto", u"Plate-forme", u"Réflexion", u"Stratégie"}},
        {u"Musique",
         {u"Divers", u"Editeur", u"Gestion", u"MP3", u"Playeur", u"Séquenceur", u"Son",
          u"Utilitaire"}},
        {u"Screen Saver", {u"Screen Saver"}},
        {u"Système", {u"Confirmé", u"Débutant"}},
    }};
    return table;
}

QStringList categoryNames() {
    QStringList names;
    for (const Category& category : categories()) {
        names.append(category.name.toString());
    }
    return names;
}

std::optional<QStringList> subCategoriesOf(QStringView categoryName) {
    for (const Category& category : categories()) {
        if (category.name == categoryName) {
            QStringList names;
            for (const QStringView name : category.subCategories) {
                names.append(name.toString());
            }
            return names;
        }
    }
    return std::nullopt;
}

} // namespace scribel
