// The 44-line layout and the earlier one: what each line holds, written and read back.

#include "sheetfile/earlierlayout.h"
#include "sheetfile/sheetcodec.h"
#include "sheetfile/sheetlayout.h"
#include "support/memoryform.h"

using namespace scribel;
using namespace scribel::sheetfile;
using namespace scribel::test;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(scribel::sheetfile::Layout)

namespace {

struct TextLine {
    int line;
    const char* field;
};

// The lines that hold a text field's whole text, as the two layouts list them.
constexpr TextLine kCurrentTextLines[] = {{2, "SaisieNom"},        {3, "SaisiePrenom"},
                                          {4, "SaisieNumero"},     {5, "SaisieIndice"},
                                          {6, "SaisieRue"},        {7, "SaisieCodePostal"},
                                          {8, "SaisieVille"},      {9, "SaisieTelDom"},
                                          {10, "SaisieTelBur"},    {11, "SaisieTelPortable"},
                                          {12, "SaisieEmail"},     {13, "SaisieWeb"},
                                          {14, "SaisieNaissance"}, {15, "SaisieActivite"},
                                          {19, "SaisieLogiciel"},  {20, "SaisieDescription"},
                                          {24, "SaisieVersion"},   {25, "SaisieDateCreation"},
                                          {26, "SaisieLangage"},   {27, "SaisieVersionLangage"},
                                          {29, "Limitations"},     {34, "SaisieRetribution"}};

constexpr TextLine kEarlierTextLines[] = {
    {1, "SaisieNom"},           {2, "SaisiePrenom"},       {3, "SaisieNumero"},
    {4, "SaisieIndice"},        {5, "SaisieRue"},          {6, "SaisieCodePostal"},
    {7, "SaisieVille"},         {8, "SaisieTelDom"},       {9, "SaisieTelBur"},
    {10, "SaisieEmail"},        {11, "SaisieWeb"},         {13, "SaisieActivite"},
    {17, "SaisieLogiciel"},     {18, "SaisieDescription"}, {22, "SaisieVersion"},
    {23, "SaisieDateCreation"}, {25, "SaisieLangage"},     {26, "SaisieVersionLangage"},
    {28, "Limitations"},        {31, "SaisieRetribution"}};

// The licence's services, each on a line of its own which holds its number when ticked.
constexpr const char* kServices[] = {"LicenceSources", "LicenceVersionGratos", "LicenceManuel",
                                     "LicenceReduc",   "LicenceCourrier",      "LicenceTel",
                                     "LicenceBBS"};

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
        addColumns<QStringList, Magazine, int, QString>("values", "magazine", "line", "text");
        const auto written = [](const char* name, std::initializer_list<const char*> values,
                                int line, const char* text, Magazine magazine = Magazine::Pixelor) {
            QTest::newRow(name) << utf8List(values) << magazine << line << utf8(text);
        };

        written("1 version marker", {}, 1, "V2");
        for (const TextLine& row : kCurrentTextLines) {
            const QString value = u"«%1», \"texte\"; "_s.arg(row.line);
            QTest::addRow("%d %s", row.line, row.field)
                << QStringList{utf8(row.field) + u'=' + value} << Magazine::Pixelor << row.line
                << value;
        }
        written("20 CR LF becomes LF", {"SaisieDescription=a\r\nb\rc\nd"}, 20, "a\nb\nc\nd");
        written("16 Qora ticked", {"Qora:on"}, 16, "1");
        written("16 Qora unticked", {"ZOLK:on"}, 16, "0");
        written("17 ZOLK ticked", {"ZOLK:on"}, 17, "1");
        written("18 other association", {"MembreAutre:on", "SaisieAutre=Club Œuvre"}, 18,
                "1 Club Œuvre");
        written("18 other association, no name", {"MembreAutre:on"}, 18, "1 ");
        written("18 unticked keeps no name", {"SaisieAutre=Club"}, 18, "0");
        // An option group's line holds the chosen option's place in the group, from 1.
        const auto options = [](int line, std::initializer_list<const char*> group) {
            int number = 0;
            for (const char* option : group) {
                QTest::addRow("%d %s", line, option)
                    << QStringList{utf8(option) + u":on"_s} << Magazine::Pixelor << line
                    << QString::number(++number);
            }
        };
        options(21, {"LogFrancais", "LogAnglais", "LogAuChoix"});
        options(22, {"DocFrancais", "DocAnglais", "DocAuChoix"});
        options(23, {"DiffuInedit", "DiffuNouveaute", "DiffuMiseAjour", "DiffuBeta"});
        options(28, {"LimitationsOui", "LimitationsNon"});
        options(30, {"CDoui", "CDnon"});
        written("31 category", {"ListeCategorie=Jeux"}, 31, "Jeux");
        written("32 sub-category", {"ListeSousCategorie=Réflexion"}, 32, "Réflexion");
        options(33, {"Shareware", "Freeware", "DomainePublic"});
        written("33 Assimile", {"Assimile:on"}, 33, "Assimilé", Magazine::Zorvane);
        written("33 other mode", {"OptionAutre:on", "SaisieDiffuAutre=Partagiciel"}, 33,
                "Partagiciel");
        written("33 other mode, no name", {"OptionAutre:on"}, 33, "");
        written("33 none chosen, name left over", {"SaisieDiffuAutre=Partagiciel"}, 33, "");
        for (int i = 0; i < 7; ++i) {
            QTest::addRow("%d %s", 35 + i, kServices[i])
                << QStringList{utf8(kServices[i]) + u":on"_s} << Magazine::Pixelor << 35 + i
                << QString::number(i + 1);
            QTest::addRow("%d %s unticked", 35 + i, kServices[i])
                << utf8List({"LicenceAutres:on"}) << Magazine::Pixelor << 35 + i << "";
        }
        written("42 other services", {"LicenceAutres:on", "AutresServices=Hotline\ngratuite"}, 42,
                "Hotline\ngratuite");
        written("42 ticked, no text", {"LicenceAutres:on"}, 42, "");
        written("42 unticked, text left over", {"AutresServices=Hotline"}, 42, "");
        options(43, {"DOS", "Windows3x", "Windows3xEtPlus", "Windows95", "Windows98", "Windows9x",
                     "Windows9xEtPlus", "WindowsNT351", "WindowsNT40", "Linux"});
        written("44 Pixelor", {}, 44, " 1 ");
        written("44 Zorvane", {}, 44, " 2 ", Magazine::Zorvane);
    }
    void writesEachLine() {
        const auto [values, magazine, line, text] =
            fetch<QStringList, Magazine, int, QString>("values", "magazine", "line", "text");

        MemoryForm form;
        form.preset(values);
        const QStringList lines = sheetLines(form, magazine);
        QCOMPARE(lines.size(), kSheetLineCount);
        QCOMPARE(lines[line - 1], text);
    }
    void writesAnEmptySheet() {
        const MemoryForm empty;
        QStringList expected(kSheetLineCount);
        expected[0] = u"V2"_s;
        expected[15] = expected[16] = expected[17] = u"0"_s; // lines 16 to 18
        expected[43] = u" 1 "_s;
        QCOMPARE(sheetLines(empty, Magazine::Pixelor), expected);
    }
    void appliesEachLine_data() {
        addColumns<Layout, QStringList, int, QString, QStringList>("layout", "before", "line",
                                                                   "text", "changes");
        Layout layout = Layout::Current;
        const auto add = [&layout](const char* name, std::initializer_list<const char*> before,
                                   int line, const char* text,
                                   std::initializer_list<const char*> changes) {
            QTest::addRow("%s%s", layout == Layout::Earlier ? "earlier, " : "", name)
                << layout << utf8List(before) << line << utf8(text) << utf8List(changes);
        };

        for (const TextLine& row : kCurrentTextLines) {
            const QString value = u"  «%1», \"texte\"; "_s.arg(row.line);
            QTest::addRow("%d %s", row.line, row.field)
                << layout << QStringList() << row.line << value
                << QStringList{utf8(row.field) + u'=' + value};
        }
        add("1 is not applied", {}, 1, "Nom", {});
        add("16 1 ticks", {}, 16, "1", {"Qora:on"});
        add("16 spaces and zeros", {}, 16, " 01 ", {"Qora:on"});
        add("16 0 unticks", {"Qora:on"}, 16, "0", {"Qora:off"});
        add("16 2 is no flag", {}, 16, "2", {});
        add("16 sign is no number", {}, 16, "+1", {});
        add("16 decimal is no number", {}, 16, "1.0", {});
        add("16 tab is no space", {}, 16, "\t1", {});
        add("17 ZOLK", {}, 17, "1", {"ZOLK:on"});
        add("18 1 and a name", {}, 18, "1 Club", {"MembreAutre:on", "SaisieAutre=Club"});
        add("18 name from the third character", {}, 18, "1xClub ",
            {"MembreAutre:on", "SaisieAutre=Club "});
        add("18 1 alone", {}, 18, "1", {"MembreAutre:on"});
        add("18 0 unticks and empties", {"MembreAutre:on", "SaisieAutre=Club"}, 18, "0 Autre",
            {"MembreAutre:off", "SaisieAutre="});
        add("18 first character only", {}, 18, " 1 Club", {});
        add("18 2 changes nothing", {}, 18, "2 Club", {});
        add("21 2", {}, 21, "2", {"LogAnglais:on"});
        add("21 as a number", {}, 21, " 2 ", {"LogAnglais:on"});
        add("21 leading zero", {}, 21, "03", {"LogAuChoix:on"});
        add("21 out of range", {}, 21, "4", {});
        add("21 zero", {}, 21, "0", {});
        add("22 1", {}, 22, "1", {"DocFrancais:on"});
        add("23 2", {}, 23, "2", {"DiffuNouveaute:on"});
        add("23 3", {}, 23, "3", {"DiffuMiseAjour:on"});
        add("23 4", {}, 23, "4", {"DiffuBeta:on"});
        add("28 1", {}, 28, "1", {"LimitationsOui:on"});
        add("28 2", {}, 28, "2", {"LimitationsNon:on"});
        add("28 as text only", {}, 28, " 2 ", {});
        add("28 no leading zero", {}, 28, "01", {});
        add("30 1", {}, 30, "1", {"CDoui:on"});
        add("30 2", {}, 30, "2", {"CDnon:on"});
        add("31 category", {}, 31, "Jeux", {"ListeCategorie=Jeux"});
        add("32 sub-category", {}, 32, "Réflexion", {"ListeSousCategorie=Réflexion"});
        add("33 1", {}, 33, "1", {"Shareware:on"});
        add("33 2", {}, 33, "2", {"Freeware:on"});
        add("33 3", {}, 33, "3", {"DomainePublic:on"});
        add("33 Assimilé", {}, 33, "Assimilé", {"Assimile:on"});
        add("33 other text, choice first", {}, 33, "Partagiciel",
            {"OptionAutre:on", "SaisieDiffuAutre=Partagiciel"});
        add("33 as text only", {}, 33, " 1 ", {"OptionAutre:on", "SaisieDiffuAutre= 1 "});
        add("33 case counts", {}, 33, "assimilé", {"OptionAutre:on", "SaisieDiffuAutre=assimilé"});
        const auto services = [&layout](int firstLine) {
            for (int i = 0; i < 7; ++i) {
                QTest::addRow("%s%d %d", layout == Layout::Earlier ? "earlier, " : "",
                              firstLine + i, i + 1)
                    << layout << QStringList() << firstLine + i << QString::number(i + 1)
                    << QStringList{utf8(kServices[i]) + u":on"_s};
            }
        };
        services(35);
        add("35 another number", {}, 35, "2", {});
        add("41 as text only", {}, 41, " 7", {});
        add("42 text, box first", {}, 42, "Hotline",
            {"LicenceAutres:on", "AutresServices=Hotline"});
        add("43 1", {}, 43, "1", {"DOS:on"});
        add("43 2", {}, 43, "2", {"Windows3x:on"});
        add("43 5", {}, 43, "5", {"Windows98:on"});
        add("43 6", {}, 43, "6", {"Windows9x:on"});
        add("43 10", {}, 43, "010", {"Linux:on"});
        add("43 9", {}, 43, "9", {"WindowsNT40:on"});
        add("43 11", {}, 43, "11", {});
        add("43 colon after the nine is no digit", {}, 43, ":", {});
        add("43 huge number", {}, 43, "99999999999999999999999", {});
        add("43 a number past the integers' range is no 1", {}, 43, "4294967297", {});
        layout = Layout::Earlier;
        for (const TextLine& row : kEarlierTextLines) {
            const QString value = u" «%1», \"texte\"; "_s.arg(row.line);
            QTest::addRow("earlier, %d %s", row.line, row.field)
                << layout << QStringList() << row.line << value
                << QStringList{utf8(row.field) + u'=' + value};
        }
        add("12 year of a birth date", {}, 12, "12/05/1965", {"SaisieNaissance=1965"});
        add("12 four characters only", {}, 12, "12/05/1965 (Lyon)", {"SaisieNaissance=1965"});
        add("12 shorter line", {}, 12, "12/05/19", {"SaisieNaissance=19"});
        add("12 fewer than 7 characters", {"SaisieNaissance=1900"}, 12, "1965",
            {"SaisieNaissance="});
        add("14 Qora", {}, 14, "1", {"Qora:on"});
        add("15 ZOLK as a number", {}, 15, " 1", {"ZOLK:on"});
        add("15 0 unticks", {"ZOLK:on"}, 15, "0", {"ZOLK:off"});
        add("16 1 and a name", {}, 16, "1 Sud", {"MembreAutre:on", "SaisieAutre=Sud"});
        add("16 0", {"MembreAutre:on", "SaisieAutre=Sud"}, 16, "0",
            {"MembreAutre:off", "SaisieAutre="});
        add("19 3", {}, 19, "3", {"LogAuChoix:on"});
        add("20 2 as a number", {}, 20, " 2 ", {"DocAnglais:on"});
        add("21 not used", {}, 21, "1", {});
        add("24 not used", {}, 24, "1", {});
        add("27 1", {}, 27, "1", {"LimitationsOui:on"});
        add("27 2", {}, 27, "2", {"LimitationsNon:on"});
        add("27 as text only", {}, 27, " 1", {});
        add("29 1", {}, 29, "1", {"CDoui:on"});
        add("29 2", {}, 29, "2", {"CDnon:on"});
        add("30 1", {}, 30, "1", {"Shareware:on"});
        add("30 2", {}, 30, "2", {"Freeware:on"});
        add("30 3", {}, 30, "3", {"DomainePublic:on"});
        add("30 other text", {}, 30, "Libre", {"OptionAutre:on", "SaisieDiffuAutre=Libre"});
        add("30 Assimilé is another text", {}, 30, "Assimilé",
            {"OptionAutre:on", "SaisieDiffuAutre=Assimilé"});
        services(32);
        add("38 another number", {}, 38, "1", {});
        add("39 other services", {}, 39, "Hotline", {"LicenceAutres:on", "AutresServices=Hotline"});
        for (int line = 40; line <= 49; ++line) {
            QTest::addRow("earlier, %d not used", line)
                << layout << QStringList() << line << "1" << QStringList();
        }
    }
    void appliesEachLine() {
        const auto [layout, before, line, text, changes] =
            fetch<Layout, QStringList, int, QString, QStringList>("layout", "before", "line",
                                                                  "text", "changes");

        MemoryForm form;
        form.preset(before);
        const bool current = layout == Layout::Current;
        const QStringList lines = fileWithLine(current ? kSheetLineCount : 50, line, text);
        QVERIFY(!applyLines(current ? sheetLayout() : earlierLayout(), form, lines).has_value());
        QCOMPARE(form.log, changes);
    }
    // The magazine comes from the first character of line 44, or of line 50 in the earlier
    // layout; a file with another number of lines names none.
    void takesTheMagazineFromItsLine_data() {
        addColumns<Layout, int, int, QString, Magazine>("layout", "count", "line", "text",
                                                        "magazine");

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
        const auto [layout, count, line, text, magazine] =
            fetch<Layout, int, int, QString, Magazine>("layout", "count", "line", "text",
                                                       "magazine");

        MemoryForm form;
        const LineLayout rules = layout == Layout::Current ? sheetLayout() : earlierLayout();
        const std::optional<Magazine> chosen =
            applyLines(rules, form, fileWithLine(count, line, text));
        QCOMPARE(chosen.value_or(Magazine::None), magazine);
        QCOMPARE(chosen.has_value(), magazine != Magazine::None);
    }
};

QTEST_GUILESS_MAIN(TestSheetLayout)
#include "tst_sheetlayout.moc"
