// The printed page as an item list, against the sheet's own positions: the price's euro
// amount and the long texts cut into lines among them.

#include "print/cutlines.h"
#include "print/price.h"
#include "print/sheettexts.h"
#include "sheetfixtures.h"

#include <QPointF>

using namespace Qt::Literals::StringLiterals;

namespace scribel::test {

namespace {

constexpr PrintStyle kOpening = PrintStyle::Opening;
constexpr PrintStyle kTitle = PrintStyle::Title;
constexpr PrintStyle kHeading = PrintStyle::Heading;
constexpr PrintStyle kBody = PrintStyle::Body;
constexpr PrintStyle kEmphasis = PrintStyle::Emphasis;

// Where the page's columns and indented items stand, in millimetres from the left.
constexpr double kLeft = 0;
constexpr double kRight = 97;
constexpr double kService = 112;
constexpr double kEuro = 130;
constexpr double kPlace = 117;
constexpr double kSignature = 107;

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
            {kLeft, 0, kOpening, u" "_s},
            {kLeft, 0, kTitle, u"FICHE LOGICIEL PXR"_s},
            {kLeft, 10, kHeading, u"L'AUTEUR"_s},
            {kLeft, 16, kBody, u"Nom et Prénom : DUPONT Jean"_s},
            {kLeft, 20, kBody, u"Adresse : 12 Bis rue des Lilas"_s},
            {kLeft, 24, kBody, u"Code postal : 75011"_s},
            {kLeft, 28, kBody, u"Ville : PARIS"_s},
            {kLeft, 32, kBody, u"Téléphone domicile : 01 23 45 67 89"_s},
            {kLeft, 36, kBody, u"Téléphone bureau : 01 98 76 54 32"_s},
            {kLeft, 40, kBody, u"Téléphone portable : 06 11 22 33 44"_s},
            {kLeft, 44, kBody, u"E-mail : jean.dupont@exemple.fr"_s},
            {kLeft, 48, kBody, u"Page Web : http://www.exemple.fr/jean"_s},
            {kLeft, 52, kBody, u"Année de naissance : 1970"_s},
            {kLeft, 56, kBody, u"Activité professionnelle : Ingénieur"_s},
            {kLeft, 60, kBody, u"Membre : QORA"_s},
            {kLeft, 66, kHeading, u"LE PROGRAMME"_s},
            {kLeft, 72, kBody, u"Nom : SUPERCALC"_s},
            {kLeft, 76, kBody, u"Description : "_s + kDescriptionLine1},
            {kLeft, 80, kBody, kDescriptionLine2},
            {kLeft, 92, kBody, u"Catégorie : Bureautique"_s},
            {kLeft, 96, kBody, u"Sous-catégorie : Euro"_s},
            {kLeft, 100, kBody, u"Logiciel en Français"_s},
            {kLeft, 104, kBody, u"Documentation en Français/Anglais"_s},
            {kLeft, 108, kBody, u"Diffusion : Nouveauté"_s},
            {kLeft, 112, kBody, u"Version n° : 2.1"_s},
            {kLeft, 116, kBody, u"Date de création : 12/05/2000"_s},
            {kLeft, 120, kBody, u"Langage de programmation : Pascal"_s},
            {kLeft, 124, kBody, u"Version du langage : 7"_s},
            {kLeft, 128, kBody, u"Le programme a-t-il des limitations ? : OUI"_s},
            {kLeft, 132, kBody, u"Lesquelles ? : "_s + kLimitationsLine1},
            {kLeft, 136, kBody, kLimitationsLine2},
            {kLeft, 148, kBody, u"Le programme peut-il s'exécuter d'un CD ? : OUI"_s},
            {kRight, 10, kHeading, u"LA DISTRIBUTION"_s},
            {kRight, 16, kBody, u"Diffusion en : Shareware"_s},
            {kRight, 22, kHeading, u"LA LICENCE"_s},
            {kRight, 28, kBody, u"Rétribution (port compris) : 100 Francs"_s},
            {kEuro, 32, kBody, u"15,24 Euros"_s},
            {kRight, 36, kBody, u"Services offerts après paiement : "_s},
            {kService, 40, kBody, u"Programmes sources"_s},
            {kService, 44, kBody, u"Nouvelle version gratuite"_s},
            {kService, 48, kBody, u"Manuel imprimé"_s},
            {kService, 52, kBody, u"Réduction sur d'autres programmes"_s},
            {kService, 56, kBody, u"Assistance par courrier"_s},
            {kService, 60, kBody, u"Assistance téléphonique"_s},
            {kService, 64, kBody, u"BBS"_s},
            {kRight, 68, kBody, u"Autres : "_s + kOtherServicesLine1},
            {kRight, 72, kBody, kOtherServicesLine2},
            {kRight, 84, kHeading, u"SYSTEME D'EXPLOITATION"_s},
            {kRight, 90, kBody, u"Système (OS) : Windows 98"_s},
            {kRight, 105, kEmphasis,
             u"Je certifie être l'auteur du programme ci-joint. Je me suis assuré que"_s},
            {kRight, 109, kEmphasis,
             u"le nom du programme proposé n'existe pas. Qu'il est dépourvu de virus"_s},
            {kRight, 113, kEmphasis,
             u"connu, de fonctions dangereuses et d'éléments copyrightés"_s},
            {kRight, 117, kEmphasis,
             u"J'autorise la société Morvel Presse à distribuer le logiciel, sous quelle"_s},
            {kRight, 121, kEmphasis, u"forme que ce soit, selon les règles du Shareware."_s},
            {kPlace, 125, kBody, u"A : PARIS"_s},
            {kPlace, 131, kBody, u"le : 07/12/2026"_s},
            {kSignature, 139, kBody, u"Signature :"_s},
            {kLeft, 168, kBody,
             u"Envoyez cette fiche (une par programme) accompagnée de vos disquettes ou CD à :"_s},
            {kLeft, 172, kEmphasis, u"Morvel Presse - Service Auteurs PXR"_s},
            {kLeft, 176, kBody, address.street.toString()},
            {kLeft, 180, kBody, address.postcodeAndTown.toString()},
        };
        comparePages(layOut(fullPixelorSheet(), Magazine::Pixelor), expected);
    }

    // An empty sheet prints bare labels; the two separating spaces of the address stay.
    void emptySheetPrintsBareLabels() {
        const Page page = layOut(MemoryForm(), Magazine::Pixelor);
        QCOMPARE(textAt(page, kLeft, 20), u"Adresse :   "_s);
        QCOMPARE(textAt(page, kLeft, 60), u"Membre : "_s);
        QCOMPARE(textAt(page, kLeft, 76), u"Description : "_s);
        QCOMPARE(textAt(page, kLeft, 132), u"Le programme peut-il s'exécuter d'un CD ? : "_s);
        QCOMPARE(textAt(page, kRight, 16), u"Diffusion en : "_s);
        QCOMPARE(textAt(page, kRight, 42), u"Système (OS) : "_s);
        QCOMPARE(textAt(page, kPlace, 77), u"A : "_s);
    }

    void rightColumnByMagazineAndLicence_data() {
        addColumns<Magazine, QString, bool, double, double, double>(
            "magazine", "price", "allServices", "systemHeadingY", "signatureY", "servicesY");
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
        const auto [magazine, price, allServices, systemHeadingY, signatureY, servicesY] =
            fetch<Magazine, QString, bool, double, double, double>(
                "magazine", "price", "allServices", "systemHeadingY", "signatureY", "servicesY");
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
                 magazine == Magazine::Pixelor ? kRight : -1.0);
        QCOMPARE(itemStartingWith(page, u"Services offerts"_s).yMm, servicesY);
        if (magazine == Magazine::Pixelor && price.isEmpty()) {
            // Six spaces leave room for the price, and no euro line follows.
            QCOMPARE(textAt(page, kRight, 28),
                     u"Rétribution (port compris) : "_s + QString(6, u' ') + u" Francs"_s);
        }
    }

    void noMagazineLeavesSpacesEmpty() {
        const Page page = layOut(fullPixelorSheet(), Magazine::None);
        QCOMPARE(itemStartingWith(page, u"FICHE"_s).yMm, -1.0);
        QCOMPARE(textAt(page, kLeft, 10), u"L'AUTEUR"_s);
        QCOMPARE(itemStartingWith(page, u"J'autorise"_s).yMm, 53.0);
        QCOMPARE(textAt(page, kRight, 57), QString());
        QCOMPARE(itemStartingWith(page, u"A : "_s).yMm, 61.0);
        QCOMPARE(textAt(page, kLeft, 172), QString());
        QCOMPARE(textAt(page, kLeft, 176), print::kPublisherAddress.street.toString());
    }

    void zorvanePrintsFreewareTexts() {
        MemoryForm form = fullPixelorSheet();
        form.setOn(Field::DiffuNouveaute, false);
        form.setOn(Field::DiffuInedit, true);
        const Page page = layOut(form, Magazine::Zorvane);
        QCOMPARE(itemStartingWith(page, u"FICHE"_s).text, u"FICHE LOGICIEL FREEWARE"_s);
        QCOMPARE(textAt(page, kLeft, 108), u"Diffusion : Inédit Zorvane"_s);
        QCOMPARE(textAt(page, kRight, 57), u"forme que ce soit, selon les règles du Freeware."_s);
        QCOMPARE(textAt(page, kLeft, 172), u"Morvel Presse - Service Auteurs ZORVANE"_s);
        QCOMPARE(itemStartingWith(page, u"Rétribution"_s).yMm, -1.0);
    }

    // The release option that names the magazine prints as its caption reads; with no
    // magazine, as it reads at start.
    void ineditPrintsTheMagazinesCaption_data() {
        addColumns<Magazine, QString>("magazine", "line");
        QTest::newRow("Pixelor") << Magazine::Pixelor << u"Diffusion : Inédit Pixelor"_s;
        QTest::newRow("Zorvane") << Magazine::Zorvane << u"Diffusion : Inédit Zorvane"_s;
        QTest::newRow("no magazine") << Magazine::None << u"Diffusion : Inédit Pixelor"_s;
    }

    void ineditPrintsTheMagazinesCaption() {
        const auto [magazine, line] = fetch<Magazine, QString>("magazine", "line");
        MemoryForm form = fullPixelorSheet();
        form.setOn(Field::DiffuNouveaute, false);
        form.setOn(Field::DiffuInedit, true);
        QCOMPARE(textAt(layOut(form, magazine), 0, 108), line);
    }

    void limitationLines_data() {
        addColumns<bool, bool, QString, double>("yes", "no", "limitations", "cdLineY");
        QTest::newRow("OUI") << true << false << u"Lente"_s << 148.0;
        QTest::newRow("OUI, empty text") << true << false << QString() << 148.0;
        QTest::newRow("NON") << false << true << u"Lente"_s << 132.0;
        QTest::newRow("nothing chosen") << false << false << u"Lente"_s << 132.0;
    }
    void limitationLines() {
        const auto [yes, no, limitations, cdLineY] =
            fetch<bool, bool, QString, double>("yes", "no", "limitations", "cdLineY");
        MemoryForm form;
        form.setOn(Field::LimitationsOui, yes);
        form.setOn(Field::LimitationsNon, no);
        form.setText(Field::Limitations, limitations);
        const Page page = layOut(form, Magazine::Pixelor);
        QCOMPARE(itemStartingWith(page, u"Le programme peut-il"_s).yMm, cdLineY);
        QCOMPARE(itemStartingWith(page, u"Envoyez"_s).yMm, cdLineY + 20);
        QCOMPARE(itemStartingWith(page, u"Lesquelles"_s).yMm, yes ? 132.0 : -1.0);
    }

    // The membership line and the distribution line each print one choice of their
    // group, or the name typed for another one.
    void optionLines_data() {
        addColumns<QList<Field>, Field, QString, Magazine, QPointF, QString>(
            "chosen", "nameField", "name", "magazine", "where", "line");
        using Fields = QList<Field>;
        const auto member = [](const char* tag, const Fields& chosen, const QString& name,
                               const QString& line) {
            QTest::newRow(tag) << chosen << Field::SaisieAutre << name << Magazine::Pixelor
                               << QPointF(kLeft, 60) << u"Membre : "_s + line;
        };
        member("all three", {Field::Qora, Field::ZOLK, Field::MembreAutre}, u"ADP"_s, u"QORA"_s);
        member("ZOLK and other", {Field::ZOLK, Field::MembreAutre}, u"ADP"_s, u"ZOLK"_s);
        member("other", {Field::MembreAutre}, u"ADP"_s, u"ADP"_s);
        member("other, no name", {Field::MembreAutre}, QString(), QString());
        member("name, not ticked", {}, u"ADP"_s, QString());
        const auto distribution = [](const char* tag, const Fields& chosen, const QString& name,
                                     const QString& line) {
            QTest::newRow(tag) << chosen << Field::SaisieDiffuAutre << name << Magazine::Zorvane
                               << QPointF(kRight, 16) << u"Diffusion en : "_s + line;
        };
        distribution("freeware", {Field::Freeware}, u"CD"_s, u"Freeware"_s);
        distribution("other mode", {Field::Freeware, Field::OptionAutre}, u"CD"_s, u"CD"_s);
        distribution("other mode, empty", {Field::Freeware, Field::OptionAutre}, QString(),
                     QString());
        distribution("assimilé", {Field::Assimile}, u"CD"_s, u"Assimilé"_s);
        distribution("only the programme's diffusion", {Field::DiffuBeta}, u"CD"_s, QString());
    }
    void optionLines() {
        const auto [chosen, nameField, name, magazine, where, line] =
            fetch<QList<Field>, Field, QString, Magazine, QPointF, QString>(
                "chosen", "nameField", "name", "magazine", "where", "line");
        MemoryForm form;
        for (Field option : chosen) {
            form.setOn(option, true);
        }
        form.setText(nameField, name);
        QCOMPARE(textAt(layOut(form, magazine), where.x(), where.y()), line);
    }

    // A price is digits, with at most one regional decimal separator followed by digits;
    // an empty euro text means the print is refused.
    void priceForms_data() {
        const QLocale french(QLocale::French);
        const QLocale english(QLocale::English);
        addColumns<QLocale, QString, QString>("locale", "price", "euros");
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
        const auto [locale, price, euros] =
            fetch<QLocale, QString, QString>("locale", "price", "euros");
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
    // Each long text is cut into four lines; the lines' texts put together give the
    // printed characters, each once.
    void cutRanges_data() {
        addColumns<Field, int, QList<int>>("field", "length", "lineLengths");
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
        const auto [field, length, lineLengths] =
            fetch<Field, int, QList<int>>("field", "length", "lineLengths");
        QString text;
        for (int i = 0; i < length; ++i) {
            text += QChar(u'a' + i % 26);
        }
        MemoryForm form;
        form.setOn(Field::LimitationsOui, true);
        form.setOn(Field::LicenceAutres, true);
        form.setText(field, text);
        const Page page = layOut(form, Magazine::Pixelor);

        const PageItem first = field == Field::SaisieDescription
                                   ? PageItem{0, 76, PrintStyle::Body, u"Description : "_s}
                               : field == Field::Limitations
                                   ? PageItem{0, 132, PrintStyle::Body, u"Lesquelles ? : "_s}
                                   : PageItem{97, 36, PrintStyle::Body, u"Autres : "_s};
        QString printed;
        for (int line = 0; line < 4; ++line) {
            QString lineText = textAt(page, first.xMm, first.yMm + 4 * line);
            if (line == 0) {
                QVERIFY(lineText.startsWith(first.text));
                lineText.remove(0, first.text.size());
            }
            QCOMPARE(lineText.size(), lineLengths[line]);
            printed += lineText;
        }
        QCOMPARE(printed, text.left(printed.size()));
        QCOMPARE(itemStartingWith(page, u"Catégorie"_s).yMm, 92.0);
    }
    // A text is read up to its 1000th printing character; soft hyphens and marks are kept
    // without being counted, however many there are.
    void startThatCanShowCountsPrintingCharacters_data() {
        addColumns<QString, QString>("text", "shown");
        const QString uncounted = QString(30, u'\u00AD') + QString(30, u'\u0301');
        QTest::newRow("1500 printing")
            << uncounted + QString(1500, u'a') << uncounted + QString(1000, u'a');
        QTest::newRow("1000 printing") << QString(1000, u'a') << QString(1000, u'a');
        QTest::newRow("1200 soft hyphens, then words")
            << QString(1200, u'\u00AD') + u"abc"_s << QString(1200, u'\u00AD') + u"abc"_s;
        QTest::newRow("empty") << QString() << QString();
    }
    void startThatCanShowCountsPrintingCharacters() {
        const auto [text, shown] = fetch<QString, QString>("text", "shown");
        QCOMPARE(print::startThatCanShow(text), shown);
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
    // A long text full of line breaks is cut as the whole text, its breaks made spaces,
    // would be: each break counts once, up to the last printed line's end.
    void cutCountsBreaksOnce_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("CR LF after each letter") << u"x\r\n"_s.repeated(400);
        QTest::newRow("CR LF only") << u"\r\n"_s.repeated(400);
    }
    void cutCountsBreaksOnce() {
        QFETCH(QString, text);
        const QString flat = print::singleLine(text);
        const auto lines = print::cutIntoLines(text, print::kLimitationLines);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const print::CharacterRange range = print::kLimitationLines[i];
            QCOMPARE(lines[i], flat.mid(range.first - 1, range.last - range.first + 1));
        }
    }
    void lineBreakForms_data() {
        addColumns<QString, QString>("text", "printed");
        QTest::newRow("lone CR") << u"a\rb"_s << u"a b"_s;
        QTest::newRow("LF CR is two") << u"a\n\rb"_s << u"a  b"_s;
        QTest::newRow("CR CR LF is two") << u"a\r\r\nb"_s << u"a  b"_s;
        QTest::newRow("CR at the end") << u"a\r"_s << u"a "_s;
        QTest::newRow("line separator") << u"a\u2028b"_s << u"a b"_s;
        QTest::newRow("paragraph separator") << u"a\u2029b"_s << u"a b"_s;
        QTest::newRow("no break") << u"a\tb"_s << u"a\tb"_s;
    }
    void lineBreakForms() {
        const auto [text, printed] = fetch<QString, QString>("text", "printed");
        QCOMPARE(print::singleLine(text), printed);
    }
};

} // namespace scribel::test

QTEST_GUILESS_MAIN(scribel::test::PageLayoutTest)
#include "tst_pagelayout.moc"
