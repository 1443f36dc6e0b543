// The printed page as an item list, against the sheet's own positions.

#include "print/cutlines.h"
#include "print/pagelayout.h"
#include "print/sheettexts.h"
#include "sheetfixtures.h"
#include "support/helpers.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace scribel::test {

namespace {

constexpr PrintStyle kOpening = PrintStyle::Opening;
constexpr PrintStyle kTitle = PrintStyle::Title;
constexpr PrintStyle kHeading = PrintStyle::Heading;
constexpr PrintStyle kBody = PrintStyle::Body;
constexpr PrintStyle kEmphasis = PrintStyle::Emphasis;

const QDate kToday{2026, 12, 7};

Page layOut(const Form& form, Magazine magazine, const QLocale& locale = QLocale(QLocale::French)) {
    auto layout = print::layOutPage(form, magazine, locale, kToday);
    if (!std::holds_alternative<Page>(layout)) {
        qFatal("the sheet was refused");
    }
    return std::get<Page>(layout);
}

// The item whose text starts with the given text; a null item when there is none.
PageItem itemStartingWith(const Page& page, const QString& start) {
    for (const PageItem& item : page) {
        if (item.text.startsWith(start)) {
            return item;
        }
    }
    return {-1, -1, kBody, {}};
}

void comparePages(const Page& actual, const Page& expected) {
    for (std::size_t i = 0; i < std::min(actual.size(), expected.size()); ++i) {
        const PageItem& a = actual[i];
        const PageItem& e = expected[i];
        const QByteArray where = e.text.toUtf8() + " printed at " + QByteArray::number(a.xMm) +
                                 ", " + QByteArray::number(a.yMm);
        QVERIFY2(a.xMm == e.xMm && a.yMm == e.yMm && a.style == e.style, where.constData());
        QCOMPARE(a.text, e.text);
    }
    QCOMPARE(actual.size(), expected.size());
}

} // namespace

class PageLayoutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wholePixelorPage() {
        const auto& address = print::kPublisherAddress;
        const Page expected = {
            {0, 0, kOpening, u" "_s},
            {0, 0, kTitle, u"FICHE LOGICIEL PXR"_s},
            {0, 10, kHeading, u"L'AUTEUR"_s},
            {0, 16, kBody, u"Nom et Prénom : DUPONT Jean"_s},
            {0, 20, kBody, u"Adresse : 12 Bis rue des Lilas"_s},
            {0, 24, kBody, u"Code postal : 75011"_s},
            {0, 28, kBody, u"Ville : PARIS"_s},
            {0, 32, kBody, u"Téléphone domicile : 01 23 45 67 89"_s},
            {0, 36, kBody, u"Téléphone bureau : 01 98 76 54 32"_s},
            {0, 40, kBody, u"Téléphone portable : 06 11 22 33 44"_s},
            {0, 44, kBody, u"E-mail : jean.dupont@exemple.fr"_s},
            {0, 48, kBody, u"Page Web : http://www.exemple.fr/jean"_s},
            {0, 52, kBody, u"Année de naissance : 1970"_s},
            {0, 56, kBody, u"Activité professionnelle : Ingénieur"_s},
            {0, 60, kBody, u"Membre : QORA"_s},
            {0, 66, kHeading, u"LE PROGRAMME"_s},
            {0, 72, kBody, u"Nom : SUPERCALC"_s},
            {0, 76, kBody, u"Description : "_s + kDescriptionLine1},
            {0, 80, kBody, kDescriptionLine2},
            {0, 92, kBody, u"Catégorie : Bureautique"_s},
            {0, 96, kBody, u"Sous-catégorie : Euro"_s},
            {0, 100, kBody, u"Logiciel en Français"_s},
            {0, 104, kBody, u"Documentation en Français/Anglais"_s},
            {0, 108, kBody, u"Diffusion : Nouveauté"_s},
            {0, 112, kBody, u"Version n° : 2.1"_s},
            {0, 116, kBody, u"Date de création : 12/05/2000"_s},
            {0, 120, kBody, u"Langage de programmation : Pascal"_s},
            {0, 124, kBody, u"Version du langage : 7"_s},
            {0, 128, kBody, u"Le programme a-t-il des limitations ? : OUI"_s},
            {0, 132, kBody, u"Lesquelles ? : "_s + kLimitationsLine1},
            {0, 136, kBody, kLimitationsLine2},
            {0, 148, kBody, u"Le programme peut-il s'exécuter d'un CD ? : OUI"_s},
            {97, 10, kHeading, u"LA DISTRIBUTION"_s},
            {97, 16, kBody, u"Diffusion en : Shareware"_s},
            {97, 22, kHeading, u"LA LICENCE"_s},
            {97, 28, kBody, u"Rétribution (port compris) : 100 Francs"_s},
            {130, 32, kBody, u"15,24 Euros"_s},
            {97, 36, kBody, u"Services offerts après paiement : "_s},
            {112, 40, kBody, u"Programmes sources"_s},
            {112, 44, kBody, u"Nouvelle version gratuite"_s},
            {112, 48, kBody, u"Manuel imprimé"_s},
            {112, 52, kBody, u"Réduction sur d'autres programmes"_s},
            {112, 56, kBody, u"Assistance par courrier"_s},
            {112, 60, kBody, u"Assistance téléphonique"_s},
            {112, 64, kBody, u"BBS"_s},
            {97, 68, kBody, u"Autres : "_s + kOtherServicesLine1},
            {97, 72, kBody, kOtherServicesLine2},
            {97, 84, kHeading, u"SYSTEME D'EXPLOITATION"_s},
            {97, 90, kBody, u"Système (OS) : Windows 98"_s},
            {97, 105, kEmphasis,
             u"Je certifie être l'auteur du programme ci-joint. Je me suis assuré que"_s},
            {97, 109, kEmphasis,
             u"le nom du programme proposé n'existe pas. Qu'il est dépourvu de virus"_s},
            {97, 113, kEmphasis, u"connu, de fonctions dangereuses et d'éléments copyrightés"_s},
            {97, 117, kEmphasis,
             u"J'autorise la société Morvel Presse à distribuer le logiciel, sous quelle"_s},
            {97, 121, kEmphasis, u"forme que ce soit, selon les règles du Shareware."_s},
            {117, 125, kBody, u"A : PARIS"_s},
            {117, 131, kBody, u"le : 07/12/2026"_s},
            {107, 139, kBody, u"Signature :"_s},
            {0, 168, kBody,
             u"Envoyez cette fiche (une par programme) accompagnée de vos disquettes ou CD à :"_s},
            {0, 172, kEmphasis, u"Morvel Presse - Service Auteurs PXR"_s},
            {0, 176, kBody, address.street.toString()},
            {0, 180, kBody, address.postcodeAndTown.toString()},
        };
        comparePages(layOut(fullPixelorSheet(), Magazine::Pixelor), expected);
    }

    // An empty sheet prints bare labels; the two separating spaces of the address stay.
    void emptySheetPrintsBareLabels() {
        const Page page = layOut(MemoryForm(), Magazine::Pixelor);
        QCOMPARE(textAt(page, 0, 20), u"Adresse :   "_s);
        QCOMPARE(textAt(page, 0, 60), u"Membre : "_s);
        QCOMPARE(textAt(page, 0, 76), u"Description : "_s);
        QCOMPARE(textAt(page, 0, 132), u"Le programme peut-il s'exécuter d'un CD ? : "_s);
        QCOMPARE(textAt(page, 97, 16), u"Diffusion en : "_s);
        QCOMPARE(textAt(page, 97, 42), u"Système (OS) : "_s);
        QCOMPARE(textAt(page, 117, 77), u"A : "_s);
    }

    void rightColumnByMagazineAndLicence_data() {
        QTest::addColumn<Magazine>("magazine");
        QTest::addColumn<QString>("price");
        QTest::addColumn<bool>("allServices");
        QTest::addColumn<double>("systemHeadingY");
        QTest::addColumn<double>("signatureY");
        QTest::addColumn<double>("servicesY");
        QTest::newRow("Zorvane, licence left out")
            << Magazine::Zorvane << u"100"_s << true << 20.0 << 75.0 << -1.0;
        QTest::newRow("no magazine") << Magazine::None << u"100"_s << true << 20.0 << 75.0 << -1.0;
        QTest::newRow("Pixelor, no price, no service")
            << Magazine::Pixelor << QString() << false << 36.0 << 91.0 << 32.0;
        QTest::newRow("Pixelor, price, no service")
            << Magazine::Pixelor << u"100"_s << false << 40.0 << 95.0 << 36.0;
        QTest::newRow("Pixelor, price, every service")
            << Magazine::Pixelor << u"100"_s << true << 84.0 << 139.0 << 36.0;
    }
    void rightColumnByMagazineAndLicence() {
        QFETCH(Magazine, magazine);
        QFETCH(QString, price);
        QFETCH(bool, allServices);
        QFETCH(double, systemHeadingY);
        QFETCH(double, signatureY);
        QFETCH(double, servicesY);
        MemoryForm form = fullPixelorSheet();
        form.setText(Field::SaisieRetribution, price);
        for (Field box : {Field::LicenceSources, Field::LicenceVersionGratos, Field::LicenceManuel,
                          Field::LicenceReduc, Field::LicenceCourrier, Field::LicenceTel,
                          Field::LicenceBBS, Field::LicenceAutres}) {
            form.setOn(box, allServices);
        }
        const Page page = layOut(form, magazine);
        QCOMPARE(itemStartingWith(page, u"SYSTEME"_s).yMm, systemHeadingY);
        QCOMPARE(itemStartingWith(page, u"Signature"_s).yMm, signatureY);
        QCOMPARE(itemStartingWith(page, u"LA LICENCE"_s).xMm,
                 magazine == Magazine::Pixelor ? 97.0 : -1.0);
        QCOMPARE(itemStartingWith(page, u"Services offerts"_s).yMm, servicesY);
        if (magazine == Magazine::Pixelor && price.isEmpty()) {
            // Six spaces leave room for the price, and no euro line follows.
            QCOMPARE(textAt(page, 97, 28),
                     u"Rétribution (port compris) : "_s + QString(6, u' ') + u" Francs"_s);
        }
    }

    // A price is digits, with at most one regional decimal separator followed by digits;
    // an empty euro text means the print is refused.
    void priceForms_data() {
        const QLocale french(QLocale::French);
        const QLocale english(QLocale::English);
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("euros");
        QTest::newRow("whole") << french << u"100"_s << u"15,24 Euros"_s;
        QTest::newRow("French decimals") << french << u"99,5"_s << u"15,17 Euros"_s;
        QTest::newRow("English decimals") << english << u"99.5"_s << u"15.17 Euros"_s;
        QTest::newRow("below one euro") << french << u"3"_s << u",46 Euros"_s;
        QTest::newRow("no digit before the separator") << french << u",5"_s << u",08 Euros"_s;
        QTest::newRow("spaces around") << french << u" 100 "_s << u"15,24 Euros"_s;
        QTest::newRow("only spaces") << french << u"   "_s << QString();
        QTest::newRow("letters") << french << u"abc"_s << QString();
        QTest::newRow("currency sign") << french << u"100 F"_s << QString();
        QTest::newRow("decimal point in French") << french << u"99.5"_s << QString();
        QTest::newRow("separator without decimals") << french << u"100,"_s << QString();
        QTest::newRow("two separators") << french << u"1,2,3"_s << QString();
        QTest::newRow("minus") << french << u"-5"_s << QString();
        QTest::newRow("plus") << french << u"+5"_s << QString();
        QTest::newRow("negative zero") << french << u"-0"_s << QString();
        QTest::newRow("exponent") << english << u"1e5"_s << QString();
        QTest::newRow("huge exponent") << english << u"1e308"_s << QString();
        QTest::newRow("tiny exponent") << english << u"1e-99"_s << QString();
        QTest::newRow("infinity") << english << u"inf"_s << QString();
        QTest::newRow("not a number") << english << u"nan"_s << QString();
        QTest::newRow("group separator") << english << u"1,000"_s << QString();
        QTest::newRow("French group separator") << french << u"1\u202F000"_s << QString();
    }
    void priceForms() {
        QFETCH(QLocale, locale);
        QFETCH(QString, price);
        QFETCH(QString, euros);
        MemoryForm form;
        form.setText(Field::SaisieRetribution, price);
        const auto layout = print::layOutPage(form, Magazine::Pixelor, locale, kToday);
        if (euros.isEmpty()) {
            QVERIFY(std::holds_alternative<print::PriceNotANumber>(layout));
            QCOMPARE(std::get<print::PriceNotANumber>(layout).text, price);
            // Zorvane prints no price, so nothing stops its page.
            QVERIFY(std::holds_alternative<Page>(
                print::layOutPage(form, Magazine::Zorvane, locale, kToday)));
        } else {
            QVERIFY(std::holds_alternative<Page>(layout));
            QCOMPARE(textAt(std::get<Page>(layout), 130, 32), euros);
        }
    }

    void noMagazineLeavesSpacesEmpty() {
        const Page page = layOut(fullPixelorSheet(), Magazine::None);
        QCOMPARE(itemStartingWith(page, u"FICHE"_s).yMm, -1.0);
        QCOMPARE(textAt(page, 0, 10), u"L'AUTEUR"_s);
        QCOMPARE(itemStartingWith(page, u"J'autorise"_s).yMm, 53.0);
        QCOMPARE(textAt(page, 97, 57), QString());
        QCOMPARE(itemStartingWith(page, u"A : "_s).yMm, 61.0);
        QCOMPARE(textAt(page, 0, 172), QString());
        QCOMPARE(textAt(page, 0, 176), print::kPublisherAddress.street.toString());
    }

    void zorvanePrintsFreewareTexts() {
        MemoryForm form = fullPixelorSheet();
        form.setOn(Field::DiffuNouveaute, false);
        form.setOn(Field::DiffuInedit, true);
        const Page page = layOut(form, Magazine::Zorvane);
        QCOMPARE(itemStartingWith(page, u"FICHE"_s).text, u"FICHE LOGICIEL FREEWARE"_s);
        QCOMPARE(textAt(page, 0, 108), u"Diffusion : Inédit Zorvane"_s);
        QCOMPARE(textAt(page, 97, 57), u"forme que ce soit, selon les règles du Freeware."_s);
        QCOMPARE(textAt(page, 0, 172), u"Morvel Presse - Service Auteurs ZORVANE"_s);
        QCOMPARE(itemStartingWith(page, u"Rétribution"_s).yMm, -1.0);
    }

    // The release option that names the magazine prints as its caption reads; with no
    // magazine, as it reads at start.
    void ineditPrintsTheMagazinesCaption_data() {
        QTest::addColumn<Magazine>("magazine");
        QTest::addColumn<QString>("line");
        QTest::newRow("Pixelor") << Magazine::Pixelor << u"Diffusion : Inédit Pixelor"_s;
        QTest::newRow("Zorvane") << Magazine::Zorvane << u"Diffusion : Inédit Zorvane"_s;
        QTest::newRow("no magazine") << Magazine::None << u"Diffusion : Inédit Pixelor"_s;
    }

    void ineditPrintsTheMagazinesCaption() {
        QFETCH(Magazine, magazine);
        QFETCH(QString, line);
        MemoryForm form = fullPixelorSheet();
        form.setOn(Field::DiffuNouveaute, false);
        form.setOn(Field::DiffuInedit, true);
        QCOMPARE(textAt(layOut(form, magazine), 0, 108), line);
    }

    void limitationLines_data() {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("no");
        QTest::addColumn<QString>("limitations");
        QTest::addColumn<double>("cdLineY");
        QTest::newRow("OUI") << true << false << u"Lente"_s << 148.0;
        QTest::newRow("OUI, empty text") << true << false << QString() << 148.0;
        QTest::newRow("NON") << false << true << u"Lente"_s << 132.0;
        QTest::newRow("nothing chosen") << false << false << u"Lente"_s << 132.0;
    }
    void limitationLines() {
        QFETCH(bool, yes);
        QFETCH(bool, no);
        QFETCH(QString, limitations);
        QFETCH(double, cdLineY);
        MemoryForm form;
        form.setOn(Field::LimitationsOui, yes);
        form.setOn(Field::LimitationsNon, no);
        form.setText(Field::Limitations, limitations);
        const Page page = layOut(form, Magazine::Pixelor);
        QCOMPARE(itemStartingWith(page, u"Le programme peut-il"_s).yMm, cdLineY);
        QCOMPARE(itemStartingWith(page, u"Envoyez"_s).yMm, cdLineY + 20);
        QCOMPARE(itemStartingWith(page, u"Lesquelles"_s).yMm, yes ? 132.0 : -1.0);
    }

    // Each long text is cut into four lines; the lines' texts put together give the
    // printed characters, each once.
    void cutRanges_data() {
        QTest::addColumn<Field>("field");
        QTest::addColumn<int>("length");
        QTest::addColumn<QList<int>>("lineLengths");
        const Field description = Field::SaisieDescription;
        QTest::newRow("description 52") << description << 52 << QList<int>{52, 0, 0, 0};
        QTest::newRow("description 53") << description << 53 << QList<int>{52, 1, 0, 0};
        QTest::newRow("description 60") << description << 60 << QList<int>{52, 8, 0, 0};
        QTest::newRow("description 228") << description << 228 << QList<int>{52, 65, 65, 46};
        QTest::newRow("description 300") << description << 300 << QList<int>{52, 65, 65, 65};
        QTest::newRow("limitations 55") << Field::Limitations << 55 << QList<int>{55, 0, 0, 0};
        QTest::newRow("limitations 251") << Field::Limitations << 251 << QList<int>{55, 65, 65, 66};
        QTest::newRow("limitations 260") << Field::Limitations << 260 << QList<int>{55, 65, 65, 66};
        QTest::newRow("other services 171")
            << Field::AutresServices << 171 << QList<int>{35, 45, 45, 46};
    }
    void cutRanges() {
        QFETCH(Field, field);
        QFETCH(int, length);
        QFETCH(QList<int>, lineLengths);
        QString text;
        for (int i = 0; i < length; ++i) {
            text += QChar(u'a' + i % 26);
        }
        MemoryForm form;
        form.setOn(Field::LimitationsOui, true);
        form.setOn(Field::LicenceAutres, true);
        form.setText(field, text);
        const Page page = layOut(form, Magazine::Pixelor);

        const QString label = field == Field::SaisieDescription ? u"Description : "_s
                              : field == Field::Limitations     ? u"Lesquelles ? : "_s
                                                                : u"Autres : "_s;
        const PageItem first = itemStartingWith(page, label);
        QString printed;
        for (int line = 0; line < 4; ++line) {
            QString lineText = textAt(page, first.xMm, first.yMm + 4 * line);
            if (line == 0) {
                lineText.remove(0, label.size());
            }
            QCOMPARE(lineText.size(), lineLengths[line]);
            printed += lineText;
        }
        QCOMPARE(printed, text.left(printed.size()));
        QCOMPARE(itemStartingWith(page, u"Catégorie"_s).yMm, 92.0);
    }

    // A line break counts as one character and prints as one space.
    void lineBreaksPrintAsSpaces() {
        MemoryForm form;
        form.setText(Field::SaisieDescription, u"un\r\ndeux\ntrois"_s + QString(50, u'x'));
        form.setText(Field::SaisieRue, u"rue\nbis"_s);
        const Page page = layOut(form, Magazine::Pixelor);
        QCOMPARE(textAt(page, 0, 76), u"Description : un deux trois"_s + QString(52 - 13, u'x'));
        QCOMPARE(textAt(page, 0, 80), QString(11, u'x'));
        QCOMPARE(textAt(page, 0, 20), u"Adresse :   rue bis"_s);
    }

    // Every kind of line break, each one space on paper.
    void lineBreakForms_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("printed");
        QTest::newRow("lone CR") << u"a\rb"_s << u"a b"_s;
        QTest::newRow("LF CR is two") << u"a\n\rb"_s << u"a  b"_s;
        QTest::newRow("CR CR LF is two") << u"a\r\r\nb"_s << u"a  b"_s;
        QTest::newRow("CR at the end") << u"a\r"_s << u"a "_s;
        QTest::newRow("line separator") << u"a\u2028b"_s << u"a b"_s;
        QTest::newRow("paragraph separator") << u"a\u2029b"_s << u"a b"_s;
        QTest::newRow("no break") << u"a\tb"_s << u"a\tb"_s;
    }
    void lineBreakForms() {
        QFETCH(QString, text);
        QFETCH(QString, printed);
        QCOMPARE(print::singleLine(text), printed);
    }

    void membership_data() {
        QTest::addColumn<bool>("qora");
        QTest::addColumn<bool>("zolk");
        QTest::addColumn<bool>("other");
        QTest::addColumn<QString>("otherName");
        QTest::addColumn<QString>("line");
        QTest::newRow("all three") << true << true << true << u"ADP"_s << u"Membre : QORA"_s;
        QTest::newRow("ZOLK and other") << false << true << true << u"ADP"_s << u"Membre : ZOLK"_s;
        QTest::newRow("other") << false << false << true << u"ADP"_s << u"Membre : ADP"_s;
        QTest::newRow("other, no name") << false << false << true << QString() << u"Membre : "_s;
        QTest::newRow("name, not ticked") << false << false << false << u"ADP"_s << u"Membre : "_s;
    }
    void membership() {
        QFETCH(bool, qora);
        QFETCH(bool, zolk);
        QFETCH(bool, other);
        QFETCH(QString, otherName);
        QFETCH(QString, line);
        MemoryForm form;
        form.setOn(Field::Qora, qora);
        form.setOn(Field::ZOLK, zolk);
        form.setOn(Field::MembreAutre, other);
        form.setText(Field::SaisieAutre, otherName);
        QCOMPARE(textAt(layOut(form, Magazine::Pixelor), 0, 60), line);
    }

    void distribution_data() {
        QTest::addColumn<QList<Field>>("chosen");
        QTest::addColumn<QString>("otherMode");
        QTest::addColumn<QString>("line");
        using Fields = QList<Field>;
        QTest::newRow("freeware") << Fields{Field::Freeware} << u"CD"_s
                                  << u"Diffusion en : Freeware"_s;
        QTest::newRow("other mode")
            << Fields{Field::Freeware, Field::OptionAutre} << u"CD"_s << u"Diffusion en : CD"_s;
        QTest::newRow("other mode, empty")
            << Fields{Field::Freeware, Field::OptionAutre} << QString() << u"Diffusion en : "_s;
        QTest::newRow("assimilé") << Fields{Field::Assimile} << u"CD"_s
                                  << u"Diffusion en : Assimilé"_s;
        QTest::newRow("only the programme's diffusion")
            << Fields{Field::DiffuBeta} << u"CD"_s << u"Diffusion en : "_s;
    }
    void distribution() {
        QFETCH(QList<Field>, chosen);
        QFETCH(QString, otherMode);
        QFETCH(QString, line);
        MemoryForm form;
        for (Field option : chosen) {
            form.setOn(option, true);
        }
        form.setText(Field::SaisieDiffuAutre, otherMode);
        QCOMPARE(textAt(layOut(form, Magazine::Zorvane), 97, 16), line);
    }
};

} // namespace scribel::test

QTEST_GUILESS_MAIN(scribel::test::PageLayoutTest)
#include "tst_pagelayout.moc"
