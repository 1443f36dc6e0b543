#include "pagelayout.h"

#include "cutlines.h"
#include "platform/core/regional.h"
#include "price.h"
#include "printrun.h"
#include "sheet/magazineprofile.h"
#include "sheet/optiongroups.h"
#include "sheettexts.h"

#include <optional>

namespace scribel::print {

using namespace Qt::Literals::StringLiterals;

namespace {

// The text of the first chosen option in the group's order; empty when none is chosen.
QString chosenText(const Form& form, OptionGroup options) {
    for (const Option& option : options) {
        if (form.isOn(option.field)) {
            return option.printed.toString();
        }
    }
    return {};
}

// Every ticked box prints a line of its own, in this order.
constexpr Option kServices[] = {
    {Field::LicenceSources, u"Programmes sources"},
    {Field::LicenceVersionGratos, u"Nouvelle version gratuite"},
    {Field::LicenceManuel, u"Manuel imprimé"},
    {Field::LicenceReduc, u"Réduction sur d'autres programmes"},
    {Field::LicenceCourrier, u"Assistance par courrier"},
    {Field::LicenceTel, u"Assistance téléphonique"},
    {Field::LicenceBBS, u"BBS"},
};

// The membership line: the first ticked box wins. MembreAutre is handled apart since it
// prints the text of SaisieAutre.
constexpr Option kMemberships[] = {
    {Field::Qora, u"QORA"},
    {Field::ZOLK, u"ZOLK"},
};

constexpr PrintStyle kOpening = PrintStyle::Opening;
constexpr PrintStyle kTitle = PrintStyle::Title;
constexpr PrintStyle kHeading = PrintStyle::Heading;
constexpr PrintStyle kBody = PrintStyle::Body;
constexpr PrintStyle kEmphasis = PrintStyle::Emphasis;

constexpr double kLeftColumn = 0;
constexpr double kRightColumn = 97;
constexpr double kRightColumnTop = 10;
constexpr double kLineStep = 4;
constexpr double kMailingBlockBelowLeftColumn = 20;

constexpr double kEuroIndent = 33;
constexpr double kServiceIndent = 15;
constexpr double kPlaceAndDateIndent = 20;
constexpr double kSignatureIndent = 10;

// The page with no magazine: the magazine's texts are empty, so that their lines' spaces
// stay empty, and there is no licence.
constexpr MagazineProfile kNoMagazine = {};

// What one run reads, beside the fields.
struct RunInput {
    const Form& form;
    Magazine magazine;
    const MagazineProfile& profile;
    const QLocale& locale;
    QDate today;
    std::optional<double> euros; // only with a price on a sheet whose magazine converts it
};

// A single-line field's text as far as a printed line can show it.
QString shownText(const Form& form, Field field) {
    return startThatCanShow(form.text(field));
}

QString membership(const Form& form) {
    QString ticked = chosenText(form, kMemberships);
    if (!ticked.isEmpty() || !form.isOn(Field::MembreAutre)) {
        return ticked;
    }
    return shownText(form, Field::SaisieAutre);
}

// The release option that names the magazine prints as its caption reads.
QString programmeDiffusion(const Form& form, Magazine magazine) {
    for (const Option& option : kReleaseKind) {
        if (form.isOn(option.field)) {
            return (option.printed.isEmpty() ? ineditCaption(magazine) : option.printed).toString();
        }
    }
    return {};
}

QString distribution(const Form& form) {
    if (form.isOn(Field::OptionAutre)) {
        return shownText(form, Field::SaisieDiffuAutre);
    }
    for (const DistributionMode& mode : kDistributionModes) {
        if (form.isOn(mode.option)) {
            return mode.printed.toString();
        }
    }
    return {};
}

// A long text's four lines, the first after its label.
void printFourLines(PrintRun& run, const QString& label, const std::array<QString, 4>& lines) {
    run.printNextLine(kBody, label + lines[0]);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        run.printNextLine(kBody, lines[i]);
    }
}

void printTitleAndAuthor(PrintRun& run, const RunInput& in) {
    const Form& f = in.form;
    run.beginColumn(kLeftColumn, 0);
    run.print(kOpening, u" "_s);
    run.print(kTitle, in.profile.printedTitle.toString());
    run.printAfter(10, kHeading, u"L'AUTEUR"_s);
    run.setLineStep(kLineStep);
    run.printAfter(6, kBody,
                   u"Nom et Prénom : "_s + shownText(f, Field::SaisieNom) + u' ' +
                       shownText(f, Field::SaisiePrenom));
    run.printNextLine(kBody, u"Adresse : "_s + shownText(f, Field::SaisieNumero) + u' ' +
                                 shownText(f, Field::SaisieIndice) + u' ' +
                                 shownText(f, Field::SaisieRue));
    run.printNextLine(kBody, u"Code postal : "_s + shownText(f, Field::SaisieCodePostal));
    run.printNextLine(kBody, u"Ville : "_s + shownText(f, Field::SaisieVille));
    run.printNextLine(kBody, u"Téléphone domicile : "_s + shownText(f, Field::SaisieTelDom));
    run.printNextLine(kBody, u"Téléphone bureau : "_s + shownText(f, Field::SaisieTelBur));
    run.printNextLine(kBody, u"Téléphone portable : "_s + shownText(f, Field::SaisieTelPortable));
    run.printNextLine(kBody, u"E-mail : "_s + shownText(f, Field::SaisieEmail));
    run.printNextLine(kBody, u"Page Web : "_s + shownText(f, Field::SaisieWeb));
    run.printNextLine(kBody, u"Année de naissance : "_s + shownText(f, Field::SaisieNaissance));
    run.printNextLine(kBody,
                      u"Activité professionnelle : "_s + shownText(f, Field::SaisieActivite));
    run.printNextLine(kBody, u"Membre : "_s + membership(f));
}

void printProgramme(PrintRun& run, const RunInput& in) {
    const Form& f = in.form;
    const auto description = cutIntoLines(f.text(Field::SaisieDescription), kDescriptionLines);
    const auto limitations = cutIntoLines(f.text(Field::Limitations), kLimitationLines);
    const QString hasLimitations = chosenText(f, kLimitationAnswers);

    run.printAfter(6, kHeading, u"LE PROGRAMME"_s);
    run.printAfter(6, kBody, u"Nom : "_s + shownText(f, Field::SaisieLogiciel));
    printFourLines(run, u"Description : "_s, description);
    run.printNextLine(kBody, u"Catégorie : "_s + shownText(f, Field::ListeCategorie));
    run.printNextLine(kBody, u"Sous-catégorie : "_s + shownText(f, Field::ListeSousCategorie));
    run.printNextLine(kBody, u"Logiciel en "_s + chosenText(f, kSoftwareLanguage));
    run.printNextLine(kBody, u"Documentation en "_s + chosenText(f, kDocumentationLanguage));
    run.printNextLine(kBody, u"Diffusion : "_s + programmeDiffusion(f, in.magazine));
    run.printNextLine(kBody, u"Version n° : "_s + shownText(f, Field::SaisieVersion));
    run.printNextLine(kBody, u"Date de création : "_s + shownText(f, Field::SaisieDateCreation));
    run.printNextLine(kBody, u"Langage de programmation : "_s + shownText(f, Field::SaisieLangage));
    run.printNextLine(kBody,
                      u"Version du langage : "_s + shownText(f, Field::SaisieVersionLangage));
    run.printNextLine(kBody, u"Le programme a-t-il des limitations ? : "_s + hasLimitations);
    if (f.isOn(Field::LimitationsOui)) {
        printFourLines(run, u"Lesquelles ? : "_s, limitations);
    }
    run.printNextLine(kBody, u"Le programme peut-il s'exécuter d'un CD ? : "_s +
                                 chosenText(f, kRunsFromCd));
    run.recordLeftColumnEnd();
}

void printDistribution(PrintRun& run, const RunInput& in) {
    run.beginColumn(kRightColumn, kRightColumnTop);
    run.print(kHeading, u"LA DISTRIBUTION"_s);
    run.printAfter(6, kBody, u"Diffusion en : "_s + distribution(in.form));
}

void printLicence(PrintRun& run, const RunInput& in) {
    const Form& f = in.form;
    const QString price = shownText(f, Field::SaisieRetribution);
    // Six spaces leave room to write a price in by hand.
    const QString francs = price.isEmpty() ? u"      "_s : price;

    run.printAfter(6, kHeading, u"LA LICENCE"_s);
    run.printAfter(6, kBody, u"Rétribution (port compris) : "_s + francs + u" Francs"_s);
    if (in.euros) {
        run.printNextLine(kBody, regional::formatHashDotHash(*in.euros, in.locale) + u" Euros"_s,
                          kEuroIndent);
    }
    run.printNextLine(kBody, u"Services offerts après paiement : "_s);
    for (const Option& service : kServices) {
        if (f.isOn(service.field)) {
            run.printNextLine(kBody, service.printed.toString(), kServiceIndent);
        }
    }
    if (f.isOn(Field::LicenceAutres)) {
        printFourLines(run, u"Autres : "_s,
                       cutIntoLines(f.text(Field::AutresServices), kOtherServicesLines));
    }
}

void printSystemAndSignature(PrintRun& run, const RunInput& in) {
    const Form& f = in.form;
    const double step = run.lineStep();
    run.printNextLine(kHeading, u"SYSTEME D'EXPLOITATION"_s);
    run.printAfter(6, kBody, u"Système (OS) : "_s + chosenText(f, kOperatingSystems));
    run.printAfter(15, kEmphasis,
                   u"Je certifie être l'auteur du programme ci-joint. Je me suis assuré que"_s);
    run.printNextLine(kEmphasis,
                      u"le nom du programme proposé n'existe pas. Qu'il est dépourvu de virus"_s);
    run.printNextLine(kEmphasis, u"connu, de fonctions dangereuses et d'éléments copyrightés"_s);
    run.printNextLine(
        kEmphasis, u"J'autorise la société Morvel Presse à distribuer le logiciel, sous quelle"_s);
    run.printNextLine(kEmphasis, in.profile.certificationClosing.toString());
    run.printNextLine(kBody, u"A : "_s + shownText(f, Field::SaisieVille), kPlaceAndDateIndent);
    run.printAfter(step + 2, kBody, u"le : "_s + regional::shortDate(in.today, in.locale),
                   kPlaceAndDateIndent);
    run.printAfter(2 * step, kBody, u"Signature :"_s, kSignatureIndent);
}

void printMailingBlock(PrintRun& run, const RunInput& in) {
    run.beginColumn(kLeftColumn, run.leftColumnEnd() + kMailingBlockBelowLeftColumn);
    run.print(kBody,
              u"Envoyez cette fiche (une par programme) accompagnée de vos disquettes ou CD à :"_s);
    run.printNextLine(kEmphasis, in.profile.serviceLine.toString());
    run.printNextLine(kBody, kPublisherAddress.street.toString());
    run.printNextLine(kBody, kPublisherAddress.postcodeAndTown.toString());
}

} // namespace

PageLayout layOutPage(const Form& form, Magazine magazine, const QLocale& locale, QDate today) {
    const MagazineProfile* profile = profileOf(magazine);
    RunInput in{form,   magazine, profile != nullptr ? *profile : kNoMagazine,
                locale, today,    std::nullopt};
    const QString price = form.text(Field::SaisieRetribution);
    if (in.profile.convertsPrice && !price.isEmpty()) {
        in.euros = eurosForFrancs(price, locale);
        if (!in.euros) {
            return PriceNotANumber{price};
        }
    }

    PrintRun run;
    printTitleAndAuthor(run, in);
    printProgramme(run, in);
    printDistribution(run, in);
    if (in.profile.carriesLicence) {
        printLicence(run, in);
    }
    printSystemAndSignature(run, in);
    printMailingBlock(run, in);
    return run.takePage();
}

} // namespace scribel::print
