// The 44-line layout and the earlier one: what each line holds, written and read back.

#include "loggingform.h"
#include "sheetfile/earlierlayout.h"
#include "sheetfile/sheetcodec.h"
#include "sheetfile/sheetlayout.h"
#include "support/helpers.h"

#include <QTest>
#include <optional>

using namespace scribel;
using namespace scribel::sheetfile;
using namespace scribel::test;

Q_DECLARE_METATYPE(scribel::sheetfile::Layout)

namespace {

struct TextLine {
    int line;
    const char* field;
};

// The lines that hold a text field's whole text, as the two layouts list them.
constexpr TextLine kCurrentTextLines[] = {
    {2, "SaisieNom"},        {3, "SaisiePrenom"},
    {4, "SaisieNumero"},     {5, "SaisieIndice"},
    {6, "SaisieRue"},        {7, "SaisieCodePostal"},
    {8, "SaisieVille"},      {9, "SaisieTelDom"},
    {10, "SaisieTelBur"},    {11, "SaisieTelPortable"},
    {12, "SaisieEmail"},     {13, "SaisieWeb"},
    {14, "SaisieNaissance"}, {15, "SaisieActivite"},
    {19, "SaisieLogiciel"},  {20, "SaisieDescription"},
    {24, "SaisieVersion"},   {25, "SaisieDateCreation"},
    {26, "SaisieLangage"},   {27, "SaisieVersionLangage"},
    {29, "Limitations"},     {34, "SaisieRetribution"},
};

constexpr TextLine kEarlierTextLines[] = {
    {1, "SaisieNom"},           {2, "SaisiePrenom"},       {3, "SaisieNumero"},
    {4, "SaisieIndice"},        {5, "SaisieRue"},          {6, "SaisieCodePostal"},
    {7, "SaisieVille"},         {8, "SaisieTelDom"},       {9, "SaisieTelBur"},
    {10, "SaisieEmail"},        {11, "SaisieWeb"},         {13, "SaisieActivite"},
    {17, "SaisieLogiciel"},     {18, "SaisieDescription"}, {22, "SaisieVersion"},
    {23, "SaisieDateCreation"}, {25, "SaisieLangage"},     {26, "SaisieVersionLangage"},
    {28, "Limitations"},        {31, "SaisieRetribution"},
};

QStringList fileWithLine(int count, int line, const QString& text) {
    QStringList lines(count);
    if (line > 0) {
        lines[line - 1] = text;
    }
    return lines;
}

} // namespace

class TestSheetLayout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void writesEachLine_data() {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<Magazine>("magazine");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("written");

        QTest::newRow("1 version marker") << QStringList() << Magazine::Pixelor << 1 << "V2";
        for (const TextLine& row : kCurrentTextLines) {
            const QString value = QStringLiteral("«%1», \"texte\"; ").arg(row.line);
            QTest::addRow("%d %s", row.line, row.field)
                << QStringList{utf8(row.field) + u'=' + value} << Magazine::Pixelor << row.line
                << value;
        }
        QTest::newRow("20 CR LF becomes LF") << utf8List({"SaisieDescription=a\r\nb\rc\nd"})
                                             << Magazine::Pixelor << 20 << "a\nb\nc\nd";
        QTest::newRow("16 Qora ticked") << utf8List({"Qora:on"}) << Magazine::Pixelor << 16 << "1";
        QTest::newRow("16 Qora unticked")
            << utf8List({"ZOLK:on"}) << Magazine::Pixelor << 16 << "0";
        QTest::newRow("17 ZOLK ticked") << utf8List({"ZOLK:on"}) << Magazine::Pixelor << 17 << "1";
        QTest::newRow("18 other association")
            << utf8List({"MembreAutre:on", "SaisieAutre=Club Œuvre"}) << Magazine::Pixelor << 18
            << "1 Club Œuvre";
        QTest::newRow("18 other association, no name")
            << utf8List({"MembreAutre:on"}) << Magazine::Pixelor << 18 << "1 ";
        QTest::newRow("18 unticked keeps no name")
            << utf8List({"SaisieAutre=Club"}) << Magazine::Pixelor << 18 << "0";
        QTest::newRow("21 LogFrancais")
            << utf8List({"LogFrancais:on"}) << Magazine::Pixelor << 21 << "1";
        QTest::newRow("21 LogAnglais")
            << utf8List({"LogAnglais:on"}) << Magazine::Pixelor << 21 << "2";
        QTest::newRow("21 LogAuChoix")
            << utf8List({"LogAuChoix:on"}) << Magazine::Pixelor << 21 << "3";
        QTest::newRow("22 DocFrancais")
            << utf8List({"DocFrancais:on"}) << Magazine::Pixelor << 22 << "1";
        QTest::newRow("22 DocAnglais")
            << utf8List({"DocAnglais:on"}) << Magazine::Pixelor << 22 << "2";
        QTest::newRow("22 DocAuChoix")
            << utf8List({"DocAuChoix:on"}) << Magazine::Pixelor << 22 << "3";
        QTest::newRow("23 DiffuInedit")
            << utf8List({"DiffuInedit:on"}) << Magazine::Pixelor << 23 << "1";
        QTest::newRow("23 DiffuNouveaute")
            << utf8List({"DiffuNouveaute:on"}) << Magazine::Pixelor << 23 << "2";
        QTest::newRow("23 DiffuMiseAjour")
            << utf8List({"DiffuMiseAjour:on"}) << Magazine::Pixelor << 23 << "3";
        QTest::newRow("23 DiffuBeta")
            << utf8List({"DiffuBeta:on"}) << Magazine::Pixelor << 23 << "4";
        QTest::newRow("28 LimitationsOui")
            << utf8List({"LimitationsOui:on"}) << Magazine::Pixelor << 28 << "1";
        QTest::newRow("28 LimitationsNon")
            << utf8List({"LimitationsNon:on"}) << Magazine::Pixelor << 28 << "2";
        QTest::newRow("30 CDoui") << utf8List({"CDoui:on"}) << Magazine::Pixelor << 30 << "1";
        QTest::newRow("30 CDnon") << utf8List({"CDnon:on"}) << Magazine::Pixelor << 30 << "2";
        QTest::newRow("31 category")
            << utf8List({"ListeCategorie=Jeux"}) << Magazine::Pixelor << 31 << "Jeux";
        QTest::newRow("32 sub-category")
            << utf8List({"ListeSousCategorie=Réflexion"}) << Magazine::Pixelor << 32 << "Réflexion";
        QTest::newRow("33 Shareware")
            << utf8List({"Shareware:on"}) << Magazine::Pixelor << 33 << "1";
        QTest::newRow("33 Freeware") << utf8List({"Freeware:on"}) << Magazine::Pixelor << 33 << "2";
        QTest::newRow("33 DomainePublic")
            << utf8List({"DomainePublic:on"}) << Magazine::Pixelor << 33 << "3";
        QTest::newRow("33 Assimile")
            << utf8List({"Assimile:on"}) << Magazine::Zorvane << 33 << "Assimilé";
        QTest::newRow("33 other mode")
            << utf8List({"OptionAutre:on", "SaisieDiffuAutre=Partagiciel"}) << Magazine::Pixelor
            << 33 << "Partagiciel";
        QTest::newRow("33 other mode, no name")
            << utf8List({"OptionAutre:on"}) << Magazine::Pixelor << 33 << "";
        QTest::newRow("33 none chosen, name left over")
            << utf8List({"SaisieDiffuAutre=Partagiciel"}) << Magazine::Pixelor << 33 << "";
        const char* const services[] = {"LicenceSources", "LicenceVersionGratos", "LicenceManuel",
                                        "LicenceReduc",   "LicenceCourrier",      "LicenceTel",
                                        "LicenceBBS"};
        for (int i = 0; i < 7; ++i) {
            QTest::addRow("%d %s", 35 + i, services[i])
                << QStringList{utf8(services[i]) + QStringLiteral(":on")} << Magazine::Pixelor
                << 35 + i << QString::number(i + 1);
            QTest::addRow("%d %s unticked", 35 + i, services[i])
                << utf8List({"LicenceAutres:on"}) << Magazine::Pixelor << 35 + i << "";
        }
        QTest::newRow("42 other services")
            << utf8List({"LicenceAutres:on", "AutresServices=Hotline\ngratuite"})
            << Magazine::Pixelor << 42 << "Hotline\ngratuite";
        QTest::newRow("42 ticked, no text")
            << utf8List({"LicenceAutres:on"}) << Magazine::Pixelor << 42 << "";
        QTest::newRow("42 unticked, text left over")
            << utf8List({"AutresServices=Hotline"}) << Magazine::Pixelor << 42 << "";
        QTest::newRow("43 DOS") << utf8List({"DOS:on"}) << Magazine::Pixelor << 43 << "1";
        QTest::newRow("43 Windows3xEtPlus")
            << utf8List({"Windows3xEtPlus:on"}) << Magazine::Pixelor << 43 << "3";
        QTest::newRow("43 Windows95")
            << utf8List({"Windows95:on"}) << Magazine::Pixelor << 43 << "4";
        QTest::newRow("43 Windows9xEtPlus")
            << utf8List({"Windows9xEtPlus:on"}) << Magazine::Pixelor << 43 << "7";
        QTest::newRow("43 WindowsNT351")
            << utf8List({"WindowsNT351:on"}) << Magazine::Pixelor << 43 << "8";
        QTest::newRow("43 WindowsNT40")
            << utf8List({"WindowsNT40:on"}) << Magazine::Pixelor << 43 << "9";
        QTest::newRow("43 Linux") << utf8List({"Linux:on"}) << Magazine::Pixelor << 43 << "10";
        QTest::newRow("44 Pixelor") << QStringList() << Magazine::Pixelor << 44 << " 1 ";
        QTest::newRow("44 Zorvane") << QStringList() << Magazine::Zorvane << 44 << " 2 ";
    }
    void writesEachLine() {
        QFETCH(QStringList, values);
        QFETCH(Magazine, magazine);
        QFETCH(int, line);
        QFETCH(QString, written);

        LoggingForm form;
        form.preset(values);
        const QStringList lines = sheetLines(form, magazine);
        QCOMPARE(lines.size(), kSheetLineCount);
        QCOMPARE(lines[line - 1], written);
    }
    void writesAnEmptySheet() {
        const LoggingForm empty;
        QStringList expected(kSheetLineCount);
        expected[0] = QStringLiteral("V2");
        expected[15] = expected[16] = expected[17] = QStringLiteral("0"); // lines 16 to 18
        expected[43] = QStringLiteral(" 1 ");
        QCOMPARE(sheetLines(empty, Magazine::Pixelor), expected);
    }
    void appliesEachLine_data() {
        QTest::addColumn<Layout>("layout");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("changes");
        Layout layout = Layout::Current;
        const auto add = [&layout](const char* name) -> QTestData& {
            return QTest::addRow("%s%s", layout == Layout::Earlier ? "earlier, " : "", name)
                   << layout;
        };

        for (const TextLine& row : kCurrentTextLines) {
            const QString value = QStringLiteral("  «%1», \"texte\"; ").arg(row.line);
            QTest::addRow("%d %s", row.line, row.field)
                << layout << QStringList() << row.line << value
                << QStringList{utf8(row.field) + u'=' + value};
        }
        add("1 is not applied") << QStringList() << 1 << "Nom" << QStringList();
        add("16 1 ticks") << QStringList() << 16 << "1" << utf8List({"Qora:on"});
        add("16 spaces and zeros") << QStringList() << 16 << " 01 " << utf8List({"Qora:on"});
        add("16 0 unticks") << utf8List({"Qora:on"}) << 16 << "0" << utf8List({"Qora:off"});
        add("16 2 is no flag") << QStringList() << 16 << "2" << QStringList();
        add("16 sign is no number") << QStringList() << 16 << "+1" << QStringList();
        add("16 decimal is no number") << QStringList() << 16 << "1.0" << QStringList();
        add("16 tab is no space") << QStringList() << 16 << "\t1" << QStringList();
        add("17 ZOLK") << QStringList() << 17 << "1" << utf8List({"ZOLK:on"});
        add("18 1 and a name") << QStringList() << 18 << "1 Club"
                               << utf8List({"MembreAutre:on", "SaisieAutre=Club"});
        add("18 name from the third character")
            << QStringList() << 18 << "1xClub "
            << utf8List({"MembreAutre:on", "SaisieAutre=Club "});
        add("18 1 alone") << QStringList() << 18 << "1" << utf8List({"MembreAutre:on"});
        add("18 0 unticks and empties")
            << utf8List({"MembreAutre:on", "SaisieAutre=Club"}) << 18 << "0 Autre"
            << utf8List({"MembreAutre:off", "SaisieAutre="});
        add("18 first character only") << QStringList() << 18 << " 1 Club" << QStringList();
        add("18 2 changes nothing") << QStringList() << 18 << "2 Club" << QStringList();
        add("21 2") << QStringList() << 21 << "2" << utf8List({"LogAnglais:on"});
        add("21 as a number") << QStringList() << 21 << " 2 " << utf8List({"LogAnglais:on"});
        add("21 leading zero") << QStringList() << 21 << "03" << utf8List({"LogAuChoix:on"});
        add("21 out of range") << QStringList() << 21 << "4" << QStringList();
        add("21 zero") << QStringList() << 21 << "0" << QStringList();
        add("22 1") << QStringList() << 22 << "1" << utf8List({"DocFrancais:on"});
        add("23 2") << QStringList() << 23 << "2" << utf8List({"DiffuNouveaute:on"});
        add("23 3") << QStringList() << 23 << "3" << utf8List({"DiffuMiseAjour:on"});
        add("23 4") << QStringList() << 23 << "4" << utf8List({"DiffuBeta:on"});
        add("28 1") << QStringList() << 28 << "1" << utf8List({"LimitationsOui:on"});
        add("28 2") << QStringList() << 28 << "2" << utf8List({"LimitationsNon:on"});
        add("28 as text only") << QStringList() << 28 << " 2 " << QStringList();
        add("28 no leading zero") << QStringList() << 28 << "01" << QStringList();
        add("30 1") << QStringList() << 30 << "1" << utf8List({"CDoui:on"});
        add("30 2") << QStringList() << 30 << "2" << utf8List({"CDnon:on"});
        add("31 category") << QStringList() << 31 << "Jeux" << utf8List({"ListeCategorie=Jeux"});
        add("32 sub-category") << QStringList() << 32 << "Réflexion"
                               << utf8List({"ListeSousCategorie=Réflexion"});
        add("33 1") << QStringList() << 33 << "1" << utf8List({"Shareware:on"});
        add("33 2") << QStringList() << 33 << "2" << utf8List({"Freeware:on"});
        add("33 3") << QStringList() << 33 << "3" << utf8List({"DomainePublic:on"});
        add("33 Assimilé") << QStringList() << 33 << "Assimilé" << utf8List({"Assimile:on"});
        add("33 other text, choice first")
            << QStringList() << 33 << "Partagiciel"
            << utf8List({"OptionAutre:on", "SaisieDiffuAutre=Partagiciel"});
        add("33 as text only") << QStringList() << 33 << " 1 "
                               << utf8List({"OptionAutre:on", "SaisieDiffuAutre= 1 "});
        add("33 case counts") << QStringList() << 33 << "assimilé"
                              << utf8List({"OptionAutre:on", "SaisieDiffuAutre=assimilé"});
        add("35 1") << QStringList() << 35 << "1" << utf8List({"LicenceSources:on"});
        add("35 another number") << QStringList() << 35 << "2" << QStringList();
        add("36 2") << QStringList() << 36 << "2" << utf8List({"LicenceVersionGratos:on"});
        add("37 3") << QStringList() << 37 << "3" << utf8List({"LicenceManuel:on"});
        add("38 4") << QStringList() << 38 << "4" << utf8List({"LicenceReduc:on"});
        add("39 5") << QStringList() << 39 << "5" << utf8List({"LicenceCourrier:on"});
        add("40 6") << QStringList() << 40 << "6" << utf8List({"LicenceTel:on"});
        add("41 7") << QStringList() << 41 << "7" << utf8List({"LicenceBBS:on"});
        add("41 as text only") << QStringList() << 41 << " 7" << QStringList();
        add("42 text, box first") << QStringList() << 42 << "Hotline"
                                  << utf8List({"LicenceAutres:on", "AutresServices=Hotline"});
        add("43 1") << QStringList() << 43 << "1" << utf8List({"DOS:on"});
        add("43 2") << QStringList() << 43 << "2" << utf8List({"Windows3x:on"});
        add("43 5") << QStringList() << 43 << "5" << utf8List({"Windows98:on"});
        add("43 6") << QStringList() << 43 << "6" << utf8List({"Windows9x:on"});
        add("43 10") << QStringList() << 43 << "010" << utf8List({"Linux:on"});
        add("43 9") << QStringList() << 43 << "9" << utf8List({"WindowsNT40:on"});
        add("43 11") << QStringList() << 43 << "11" << QStringList();
        add("43 colon after the nine is no digit") << QStringList() << 43 << ":" << QStringList();
        add("43 huge number") << QStringList() << 43 << "99999999999999999999999" << QStringList();
        add("43 a number past the integers' range is no 1")
            << QStringList() << 43 << "4294967297" << QStringList();
        layout = Layout::Earlier;
        for (const TextLine& row : kEarlierTextLines) {
            const QString value = QStringLiteral(" «%1», \"texte\"; ").arg(row.line);
            QTest::addRow("earlier, %d %s", row.line, row.field)
                << layout << QStringList() << row.line << value
                << QStringList{utf8(row.field) + u'=' + value};
        }
        add("12 year of a birth date")
            << QStringList() << 12 << "12/05/1965" << utf8List({"SaisieNaissance=1965"});
        add("12 four characters only")
            << QStringList() << 12 << "12/05/1965 (Lyon)" << utf8List({"SaisieNaissance=1965"});
        add("12 shorter line") << QStringList() << 12 << "12/05/19"
                               << utf8List({"SaisieNaissance=19"});
        add("12 fewer than 7 characters")
            << utf8List({"SaisieNaissance=1900"}) << 12 << "1965" << utf8List({"SaisieNaissance="});
        add("14 Qora") << QStringList() << 14 << "1" << utf8List({"Qora:on"});
        add("15 ZOLK as a number") << QStringList() << 15 << " 1" << utf8List({"ZOLK:on"});
        add("15 0 unticks") << utf8List({"ZOLK:on"}) << 15 << "0" << utf8List({"ZOLK:off"});
        add("16 1 and a name") << QStringList() << 16 << "1 Sud"
                               << utf8List({"MembreAutre:on", "SaisieAutre=Sud"});
        add("16 0") << utf8List({"MembreAutre:on", "SaisieAutre=Sud"}) << 16 << "0"
                    << utf8List({"MembreAutre:off", "SaisieAutre="});
        add("19 3") << QStringList() << 19 << "3" << utf8List({"LogAuChoix:on"});
        add("20 2 as a number") << QStringList() << 20 << " 2 " << utf8List({"DocAnglais:on"});
        add("21 not used") << QStringList() << 21 << "1" << QStringList();
        add("24 not used") << QStringList() << 24 << "1" << QStringList();
        add("27 1") << QStringList() << 27 << "1" << utf8List({"LimitationsOui:on"});
        add("27 2") << QStringList() << 27 << "2" << utf8List({"LimitationsNon:on"});
        add("27 as text only") << QStringList() << 27 << " 1" << QStringList();
        add("29 1") << QStringList() << 29 << "1" << utf8List({"CDoui:on"});
        add("29 2") << QStringList() << 29 << "2" << utf8List({"CDnon:on"});
        add("30 1") << QStringList() << 30 << "1" << utf8List({"Shareware:on"});
        add("30 2") << QStringList() << 30 << "2" << utf8List({"Freeware:on"});
        add("30 3") << QStringList() << 30 << "3" << utf8List({"DomainePublic:on"});
        add("30 other text") << QStringList() << 30 << "Libre"
                             << utf8List({"OptionAutre:on", "SaisieDiffuAutre=Libre"});
        add("30 Assimilé is another text")
            << QStringList() << 30 << "Assimilé"
            << utf8List({"OptionAutre:on", "SaisieDiffuAutre=Assimilé"});
        add("32 1") << QStringList() << 32 << "1" << utf8List({"LicenceSources:on"});
        add("33 2") << QStringList() << 33 << "2" << utf8List({"LicenceVersionGratos:on"});
        add("34 3") << QStringList() << 34 << "3" << utf8List({"LicenceManuel:on"});
        add("35 4") << QStringList() << 35 << "4" << utf8List({"LicenceReduc:on"});
        add("36 5") << QStringList() << 36 << "5" << utf8List({"LicenceCourrier:on"});
        add("37 6") << QStringList() << 37 << "6" << utf8List({"LicenceTel:on"});
        add("38 7") << QStringList() << 38 << "7" << utf8List({"LicenceBBS:on"});
        add("38 another number") << QStringList() << 38 << "1" << QStringList();
        add("39 other services") << QStringList() << 39 << "Hotline"
                                 << utf8List({"LicenceAutres:on", "AutresServices=Hotline"});
        for (int line = 40; line <= 49; ++line) {
            QTest::addRow("earlier, %d not used", line)
                << layout << QStringList() << line << "1" << QStringList();
        }
    }
    void appliesEachLine() {
        QFETCH(Layout, layout);
        QFETCH(QStringList, before);
        QFETCH(int, line);
        QFETCH(QString, text);
        QFETCH(QStringList, changes);

        LoggingForm form;
        form.preset(before);
        const bool current = layout == Layout::Current;
        const QStringList lines = fileWithLine(current ? kSheetLineCount : 50, line, text);
        QVERIFY(!applyLines(current ? sheetLayout() : earlierLayout(), form, lines).has_value());
        QCOMPARE(form.log, changes);
    }
    // The magazine comes from the first character of line 44, or of line 50 in the earlier
    // layout; a file with another number of lines names none.
    void takesTheMagazineFromItsLine_data() {
        QTest::addColumn<Layout>("layout");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Magazine>("magazine");

        const Layout current = Layout::Current;
        QTest::newRow("as saved for Pixelor") << current << 44 << 44 << " 1 " << Magazine::None;
        QTest::newRow("as saved for Zorvane") << current << 44 << 44 << " 2 " << Magazine::None;
        QTest::newRow("1") << current << 44 << 44 << "1" << Magazine::Pixelor;
        QTest::newRow("2 and more") << current << 44 << 44 << "2 x" << Magazine::Zorvane;
        QTest::newRow("12") << current << 44 << 44 << "12" << Magazine::Pixelor;
        QTest::newRow("3") << current << 44 << 44 << "3" << Magazine::None;
        QTest::newRow("leading zero") << current << 44 << 44 << "02" << Magazine::None;
        QTest::newRow("empty") << current << 44 << 44 << "" << Magazine::None;
        QTest::newRow("45 lines") << current << 45 << 45 << "1" << Magazine::None;
        const Layout earlier = Layout::Earlier;
        QTest::newRow("earlier, 2") << earlier << 50 << 50 << "2" << Magazine::Zorvane;
        QTest::newRow("earlier, 1 and more") << earlier << 50 << 50 << "1 " << Magazine::Pixelor;
        QTest::newRow("earlier, as text") << earlier << 50 << 50 << " 2 " << Magazine::None;
        QTest::newRow("earlier, line 44") << earlier << 50 << 44 << "2" << Magazine::None;
        QTest::newRow("earlier, no lines") << earlier << 0 << 0 << "" << Magazine::None;
    }
    void takesTheMagazineFromItsLine() {
        QFETCH(Layout, layout);
        QFETCH(int, count);
        QFETCH(int, line);
        QFETCH(QString, text);
        QFETCH(Magazine, magazine);

        LoggingForm form;
        const LineLayout rules = layout == Layout::Current ? sheetLayout() : earlierLayout();
        const std::optional<Magazine> chosen =
            applyLines(rules, form, fileWithLine(count, line, text));
        QCOMPARE(chosen.value_or(Magazine::None), magazine);
        QCOMPARE(chosen.has_value(), magazine != Magazine::None);
    }
};

QTEST_GUILESS_MAIN(TestSheetLayout)
#include "tst_sheetlayout.moc"
