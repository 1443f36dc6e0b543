// The sheet file without a window: bytes to lines, the 44-line layout, the earlier
// layout, the dialog texts.

#include "loggingform.h"
#include "sheetfile/dialogtexts.h"
#include "sheetfile/earlierlayout.h"
#include "sheetfile/linesplitter.h"
#include "sheetfile/sheetcodec.h"
#include "sheetfile/sheetlayout.h"
#include "support/helpers.h"

#include <QFile>
#include <QTest>
#include <initializer_list>
#include <optional>

using namespace scribel;
using namespace scribel::sheetfile;
using namespace scribel::test;

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
    lines[line - 1] = text;
    return lines;
}

QByteArray linesOf(int count, const QByteArray& line = "x") {
    QByteArray bytes;
    for (int i = 0; i < count; ++i) {
        bytes += line + "\r\n";
    }
    return bytes;
}

QByteArray fixture(const char* name) {
    QFile file(QStringLiteral(SCRIBEL_SHEETFILE_DATA "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("fixture %s is missing", name);
    }
    return file.readAll();
}

} // namespace

class TestSheetFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void splitsBytesIntoLines_data();
    void splitsBytesIntoLines();
    void tellsTheLayoutAndRefusesLongFiles_data();
    void tellsTheLayoutAndRefusesLongFiles();
    void namesTheFirstOverlongLine_data();
    void namesTheFirstOverlongLine();
    void writesEachLine_data();
    void writesEachLine();
    void writesAnEmptySheet();
    void encodesInWindows1252WithCrLf();
    void appliesEachLine_data();
    void appliesEachLine();
    void takesTheMagazineFromTheFirstCharacterOfLine44_data();
    void takesTheMagazineFromTheFirstCharacterOfLine44();
    void appliesEachEarlierLine_data();
    void appliesEachEarlierLine();
    void takesTheMagazineFromEarlierLine50();
    void fixturesSurviveReadingAndWritingByteForByte_data();
    void fixturesSurviveReadingAndWritingByteForByte();
    void namesTheDialogTexts_data();
    void namesTheDialogTexts();
};

void TestSheetFile::splitsBytesIntoLines_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("CR LF ends a line") << QByteArray("V2\r\n") << utf8List({"V2"});
    QTest::newRow("last line needs no end") << QByteArray("a\r\nb") << utf8List({"a", "b"});
    QTest::newRow("empty lines count") << QByteArray("\r\n\r\n") << utf8List({"", ""});
    QTest::newRow("lone CR ends a line") << QByteArray("a\rb\r\n") << utf8List({"a", "b"});
    QTest::newRow("CR CR LF") << QByteArray("a\r\r\nb") << utf8List({"a", "", "b"});
    QTest::newRow("lone LF stays in its line")
        << QByteArray("a\nb\r\nc\r\n") << utf8List({"a\nb", "c"});
    QTest::newRow("only one LF is skipped after CR")
        << QByteArray("a\r\n\nb\r\n") << utf8List({"a", "\nb"});
    QTest::newRow("LF only file") << QByteArray("a\nb\n\nc") << utf8List({"a", "b", "", "c"});
    QTest::newRow("LF only, last LF ends the last line") << QByteArray("a\n") << utf8List({"a"});
    QTest::newRow("Windows-1252 letters")
        << QByteArray("\xe9\x80\x8c\x9f\xff\r\n") << QStringList{utf8("é€ŒŸÿ")};
    QTest::newRow("undefined bytes and NUL keep their place")
        << QByteArray("\x81\x8d\x8f\x90\x9d", 5) + QByteArray("\0x\r\nz", 5)
        << QStringList{QStringView(u"\u0081\u008d\u008f\u0090\u009d").toString() + QChar(0) + u'x',
                       utf8("z")};
}

void TestSheetFile::splitsBytesIntoLines() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(splitLines(bytes), lines);
}

void TestSheetFile::tellsTheLayoutAndRefusesLongFiles_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<bool>("current");
    QTest::addColumn<int>("lineCount");

    QTest::newRow("V2") << QByteArray("V2\r\n") << false << true << 1;
    QTest::newRow("V2 and more") << QByteArray("V2x\r\n") << false << true << 1;
    QTest::newRow("V2 without line end") << QByteArray("V2") << false << true << 1;
    QTest::newRow("lower-case v2") << QByteArray("v2\r\n") << false << false << 1;
    QTest::newRow("V1") << QByteArray("V1\r\n") << false << false << 1;
    QTest::newRow("V alone") << QByteArray("V\r\nV2\r\n") << false << false << 2;
    QTest::newRow("space before V2") << QByteArray(" V2\r\n") << false << false << 1;
    QTest::newRow("empty file") << QByteArray() << false << false << 0;
    QTest::newRow("V2 with LF line ends") << QByteArray("V2\nDUPONT\n") << false << true << 2;
    QTest::newRow("71 lines") << "V2\r\n" + linesOf(70) << false << true << 71;
    QTest::newRow("72 lines") << "V2\r\n" + linesOf(71) << true << false << 0;
    QTest::newRow("72nd line without line end")
        << "V2\r\n" + linesOf(70) + "x" << true << false << 0;
    QTest::newRow("71 earlier lines") << linesOf(71) << false << false << 71;
}

void TestSheetFile::tellsTheLayoutAndRefusesLongFiles() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, refused);
    QFETCH(bool, current);
    QFETCH(int, lineCount);

    const std::optional<SheetFileLines> sheet = readSheetFile(bytes);
    QCOMPARE(!sheet.has_value(), refused);
    if (sheet) {
        QCOMPARE(sheet->layout == Layout::Current, current);
        QCOMPARE(sheet->lines.size(), lineCount);
    }
}

void TestSheetFile::namesTheFirstOverlongLine_data() {
    QTest::addColumn<QList<qsizetype>>("lengths");
    QTest::addColumn<int>("number"); // 0: none
    QTest::addColumn<qsizetype>("length");

    const qsizetype longest = kMaxLineLength;
    QTest::newRow("no lines") << QList<qsizetype>{} << 0 << qsizetype{0};
    QTest::newRow("at the limit") << QList<qsizetype>{2, longest} << 0 << qsizetype{0};
    QTest::newRow("first line") << QList<qsizetype>{longest + 1} << 1 << longest + 1;
    QTest::newRow("the first of two")
        << QList<qsizetype>{2, 0, longest + 2, longest + 1} << 3 << longest + 2;
}

void TestSheetFile::namesTheFirstOverlongLine() {
    QFETCH(QList<qsizetype>, lengths);
    QFETCH(int, number);
    QFETCH(qsizetype, length);

    QStringList lines;
    for (const qsizetype size : lengths) {
        lines.append(QString(size, u'x'));
    }
    const std::optional<OverlongLine> overlong = firstOverlongLine(lines);
    QCOMPARE(overlong.has_value(), number != 0);
    if (overlong) {
        QCOMPARE(overlong->number, number);
        QCOMPARE(overlong->length, length);
    }
}

void TestSheetFile::writesEachLine_data() {
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<Magazine>("magazine");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("written");

    QTest::newRow("1 version marker") << QStringList() << Magazine::Pixelor << 1 << "V2";
    for (const TextLine& row : kCurrentTextLines) {
        const QString value = QStringLiteral("«%1», \"texte\"; ").arg(row.line);
        QTest::addRow("%d %s", row.line, row.field) << QStringList{utf8(row.field) + u'=' + value}
                                                    << Magazine::Pixelor << row.line << value;
    }
    QTest::newRow("20 CR LF becomes LF")
        << utf8List({"SaisieDescription=a\r\nb\rc\nd"}) << Magazine::Pixelor << 20 << "a\nb\nc\nd";
    QTest::newRow("16 Qora ticked") << utf8List({"Qora:on"}) << Magazine::Pixelor << 16 << "1";
    QTest::newRow("16 Qora unticked") << utf8List({"ZOLK:on"}) << Magazine::Pixelor << 16 << "0";
    QTest::newRow("17 ZOLK ticked") << utf8List({"ZOLK:on"}) << Magazine::Pixelor << 17 << "1";
    QTest::newRow("18 other association") << utf8List({"MembreAutre:on", "SaisieAutre=Club Œuvre"})
                                          << Magazine::Pixelor << 18 << "1 Club Œuvre";
    QTest::newRow("18 other association, no name")
        << utf8List({"MembreAutre:on"}) << Magazine::Pixelor << 18 << "1 ";
    QTest::newRow("18 unticked keeps no name")
        << utf8List({"SaisieAutre=Club"}) << Magazine::Pixelor << 18 << "0";
    QTest::newRow("21 LogFrancais")
        << utf8List({"LogFrancais:on"}) << Magazine::Pixelor << 21 << "1";
    QTest::newRow("21 LogAnglais") << utf8List({"LogAnglais:on"}) << Magazine::Pixelor << 21 << "2";
    QTest::newRow("21 LogAuChoix") << utf8List({"LogAuChoix:on"}) << Magazine::Pixelor << 21 << "3";
    QTest::newRow("22 DocFrancais")
        << utf8List({"DocFrancais:on"}) << Magazine::Pixelor << 22 << "1";
    QTest::newRow("22 DocAnglais") << utf8List({"DocAnglais:on"}) << Magazine::Pixelor << 22 << "2";
    QTest::newRow("22 DocAuChoix") << utf8List({"DocAuChoix:on"}) << Magazine::Pixelor << 22 << "3";
    QTest::newRow("23 DiffuInedit")
        << utf8List({"DiffuInedit:on"}) << Magazine::Pixelor << 23 << "1";
    QTest::newRow("23 DiffuNouveaute")
        << utf8List({"DiffuNouveaute:on"}) << Magazine::Pixelor << 23 << "2";
    QTest::newRow("23 DiffuMiseAjour")
        << utf8List({"DiffuMiseAjour:on"}) << Magazine::Pixelor << 23 << "3";
    QTest::newRow("23 DiffuBeta") << utf8List({"DiffuBeta:on"}) << Magazine::Pixelor << 23 << "4";
    QTest::newRow("28 LimitationsOui")
        << utf8List({"LimitationsOui:on"}) << Magazine::Pixelor << 28 << "1";
    QTest::newRow("28 LimitationsNon")
        << utf8List({"LimitationsNon:on"}) << Magazine::Pixelor << 28 << "2";
    QTest::newRow("30 CDoui") << utf8List({"CDoui:on"}) << Magazine::Pixelor << 30 << "1";
    QTest::newRow("30 CDnon") << utf8List({"CDnon:on"}) << Magazine::Pixelor << 30 << "2";
    QTest::newRow("31 category") << utf8List({"ListeCategorie=Jeux"}) << Magazine::Pixelor << 31
                                 << "Jeux";
    QTest::newRow("32 sub-category")
        << utf8List({"ListeSousCategorie=Réflexion"}) << Magazine::Pixelor << 32 << "Réflexion";
    QTest::newRow("33 Shareware") << utf8List({"Shareware:on"}) << Magazine::Pixelor << 33 << "1";
    QTest::newRow("33 Freeware") << utf8List({"Freeware:on"}) << Magazine::Pixelor << 33 << "2";
    QTest::newRow("33 DomainePublic")
        << utf8List({"DomainePublic:on"}) << Magazine::Pixelor << 33 << "3";
    QTest::newRow("33 Assimile") << utf8List({"Assimile:on"}) << Magazine::Zorvane << 33
                                 << "Assimilé";
    QTest::newRow("33 other mode") << utf8List({"OptionAutre:on", "SaisieDiffuAutre=Partagiciel"})
                                   << Magazine::Pixelor << 33 << "Partagiciel";
    QTest::newRow("33 other mode, no name")
        << utf8List({"OptionAutre:on"}) << Magazine::Pixelor << 33 << "";
    QTest::newRow("33 none chosen, name left over")
        << utf8List({"SaisieDiffuAutre=Partagiciel"}) << Magazine::Pixelor << 33 << "";
    const char* const services[] = {"LicenceSources", "LicenceVersionGratos", "LicenceManuel",
                                    "LicenceReduc",   "LicenceCourrier",      "LicenceTel",
                                    "LicenceBBS"};
    for (int i = 0; i < 7; ++i) {
        QTest::addRow("%d %s", 35 + i, services[i])
            << QStringList{utf8(services[i]) + QStringLiteral(":on")} << Magazine::Pixelor << 35 + i
            << QString::number(i + 1);
        QTest::addRow("%d %s unticked", 35 + i, services[i])
            << utf8List({"LicenceAutres:on"}) << Magazine::Pixelor << 35 + i << "";
    }
    QTest::newRow("42 other services")
        << utf8List({"LicenceAutres:on", "AutresServices=Hotline\ngratuite"}) << Magazine::Pixelor
        << 42 << "Hotline\ngratuite";
    QTest::newRow("42 ticked, no text")
        << utf8List({"LicenceAutres:on"}) << Magazine::Pixelor << 42 << "";
    QTest::newRow("42 unticked, text left over")
        << utf8List({"AutresServices=Hotline"}) << Magazine::Pixelor << 42 << "";
    QTest::newRow("43 DOS") << utf8List({"DOS:on"}) << Magazine::Pixelor << 43 << "1";
    QTest::newRow("43 Windows3xEtPlus")
        << utf8List({"Windows3xEtPlus:on"}) << Magazine::Pixelor << 43 << "3";
    QTest::newRow("43 Windows95") << utf8List({"Windows95:on"}) << Magazine::Pixelor << 43 << "4";
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

void TestSheetFile::writesEachLine() {
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

void TestSheetFile::writesAnEmptySheet() {
    const LoggingForm empty;
    QStringList expected(kSheetLineCount);
    expected[0] = QStringLiteral("V2");
    expected[15] = expected[16] = expected[17] = QStringLiteral("0"); // lines 16 to 18
    expected[43] = QStringLiteral(" 1 ");
    QCOMPARE(sheetLines(empty, Magazine::Pixelor), expected);
}

void TestSheetFile::encodesInWindows1252WithCrLf() {
    LoggingForm form;
    form.preset({utf8("SaisieNom=é€ŒŸ"), utf8("SaisieVille=Łódź"), utf8("SaisieDescription=a\nb")});
    const QByteArray bytes = encodeSheetFile(form, Magazine::Zorvane);
    QVERIFY(bytes.startsWith("V2\r\n\xe9\x80\x8c\x9f\r\n"));
    QVERIFY(bytes.contains("\r\n?\xf3"
                           "d?\r\n")); // a letter the code page lacks becomes '?'
    QVERIFY(bytes.contains("\r\na\nb\r\n"));
    QVERIFY(bytes.endsWith("\r\n 2 \r\n"));
    QCOMPARE(bytes.count("\r\n"), kSheetLineCount);
}

void TestSheetFile::appliesEachLine_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("changes");

    for (const TextLine& row : kCurrentTextLines) {
        const QString value = QStringLiteral("  «%1», \"texte\"; ").arg(row.line);
        QTest::addRow("%d %s", row.line, row.field)
            << QStringList() << row.line << value << QStringList{utf8(row.field) + u'=' + value};
    }
    QTest::newRow("1 is not applied") << QStringList() << 1 << "Nom" << QStringList();
    QTest::newRow("16 1 ticks") << QStringList() << 16 << "1" << utf8List({"Qora:on"});
    QTest::newRow("16 spaces and zeros") << QStringList() << 16 << " 01 " << utf8List({"Qora:on"});
    QTest::newRow("16 0 unticks") << utf8List({"Qora:on"}) << 16 << "0" << utf8List({"Qora:off"});
    QTest::newRow("16 2 is no flag") << QStringList() << 16 << "2" << QStringList();
    QTest::newRow("16 sign is no number") << QStringList() << 16 << "+1" << QStringList();
    QTest::newRow("16 decimal is no number") << QStringList() << 16 << "1.0" << QStringList();
    QTest::newRow("16 tab is no space") << QStringList() << 16 << "\t1" << QStringList();
    QTest::newRow("17 ZOLK") << QStringList() << 17 << "1" << utf8List({"ZOLK:on"});
    QTest::newRow("18 1 and a name")
        << QStringList() << 18 << "1 Club" << utf8List({"MembreAutre:on", "SaisieAutre=Club"});
    QTest::newRow("18 name from the third character")
        << QStringList() << 18 << "1xClub " << utf8List({"MembreAutre:on", "SaisieAutre=Club "});
    QTest::newRow("18 1 alone") << QStringList() << 18 << "1" << utf8List({"MembreAutre:on"});
    QTest::newRow("18 0 unticks and empties")
        << utf8List({"MembreAutre:on", "SaisieAutre=Club"}) << 18 << "0 Autre"
        << utf8List({"MembreAutre:off", "SaisieAutre="});
    QTest::newRow("18 first character only") << QStringList() << 18 << " 1 Club" << QStringList();
    QTest::newRow("18 2 changes nothing") << QStringList() << 18 << "2 Club" << QStringList();
    QTest::newRow("21 2") << QStringList() << 21 << "2" << utf8List({"LogAnglais:on"});
    QTest::newRow("21 as a number") << QStringList() << 21 << " 2 " << utf8List({"LogAnglais:on"});
    QTest::newRow("21 leading zero") << QStringList() << 21 << "03" << utf8List({"LogAuChoix:on"});
    QTest::newRow("21 out of range") << QStringList() << 21 << "4" << QStringList();
    QTest::newRow("21 zero") << QStringList() << 21 << "0" << QStringList();
    QTest::newRow("22 1") << QStringList() << 22 << "1" << utf8List({"DocFrancais:on"});
    QTest::newRow("23 2") << QStringList() << 23 << "2" << utf8List({"DiffuNouveaute:on"});
    QTest::newRow("23 3") << QStringList() << 23 << "3" << utf8List({"DiffuMiseAjour:on"});
    QTest::newRow("23 4") << QStringList() << 23 << "4" << utf8List({"DiffuBeta:on"});
    QTest::newRow("28 1") << QStringList() << 28 << "1" << utf8List({"LimitationsOui:on"});
    QTest::newRow("28 2") << QStringList() << 28 << "2" << utf8List({"LimitationsNon:on"});
    QTest::newRow("28 as text only") << QStringList() << 28 << " 2 " << QStringList();
    QTest::newRow("28 no leading zero") << QStringList() << 28 << "01" << QStringList();
    QTest::newRow("30 1") << QStringList() << 30 << "1" << utf8List({"CDoui:on"});
    QTest::newRow("30 2") << QStringList() << 30 << "2" << utf8List({"CDnon:on"});
    QTest::newRow("31 category") << QStringList() << 31 << "Jeux"
                                 << utf8List({"ListeCategorie=Jeux"});
    QTest::newRow("32 sub-category")
        << QStringList() << 32 << "Réflexion" << utf8List({"ListeSousCategorie=Réflexion"});
    QTest::newRow("33 1") << QStringList() << 33 << "1" << utf8List({"Shareware:on"});
    QTest::newRow("33 2") << QStringList() << 33 << "2" << utf8List({"Freeware:on"});
    QTest::newRow("33 3") << QStringList() << 33 << "3" << utf8List({"DomainePublic:on"});
    QTest::newRow("33 Assimilé") << QStringList() << 33 << "Assimilé" << utf8List({"Assimile:on"});
    QTest::newRow("33 other text, choice first")
        << QStringList() << 33 << "Partagiciel"
        << utf8List({"OptionAutre:on", "SaisieDiffuAutre=Partagiciel"});
    QTest::newRow("33 as text only")
        << QStringList() << 33 << " 1 " << utf8List({"OptionAutre:on", "SaisieDiffuAutre= 1 "});
    QTest::newRow("33 case counts") << QStringList() << 33 << "assimilé"
                                    << utf8List({"OptionAutre:on", "SaisieDiffuAutre=assimilé"});
    QTest::newRow("35 1") << QStringList() << 35 << "1" << utf8List({"LicenceSources:on"});
    QTest::newRow("35 another number") << QStringList() << 35 << "2" << QStringList();
    QTest::newRow("36 2") << QStringList() << 36 << "2" << utf8List({"LicenceVersionGratos:on"});
    QTest::newRow("37 3") << QStringList() << 37 << "3" << utf8List({"LicenceManuel:on"});
    QTest::newRow("38 4") << QStringList() << 38 << "4" << utf8List({"LicenceReduc:on"});
    QTest::newRow("39 5") << QStringList() << 39 << "5" << utf8List({"LicenceCourrier:on"});
    QTest::newRow("40 6") << QStringList() << 40 << "6" << utf8List({"LicenceTel:on"});
    QTest::newRow("41 7") << QStringList() << 41 << "7" << utf8List({"LicenceBBS:on"});
    QTest::newRow("41 as text only") << QStringList() << 41 << " 7" << QStringList();
    QTest::newRow("42 text, box first") << QStringList() << 42 << "Hotline"
                                        << utf8List({"LicenceAutres:on", "AutresServices=Hotline"});
    QTest::newRow("43 1") << QStringList() << 43 << "1" << utf8List({"DOS:on"});
    QTest::newRow("43 2") << QStringList() << 43 << "2" << utf8List({"Windows3x:on"});
    QTest::newRow("43 5") << QStringList() << 43 << "5" << utf8List({"Windows98:on"});
    QTest::newRow("43 6") << QStringList() << 43 << "6" << utf8List({"Windows9x:on"});
    QTest::newRow("43 10") << QStringList() << 43 << "010" << utf8List({"Linux:on"});
    QTest::newRow("43 9") << QStringList() << 43 << "9" << utf8List({"WindowsNT40:on"});
    QTest::newRow("43 11") << QStringList() << 43 << "11" << QStringList();
    QTest::newRow("43 colon after the nine is no digit")
        << QStringList() << 43 << ":" << QStringList();
    QTest::newRow("43 huge number")
        << QStringList() << 43 << "99999999999999999999999" << QStringList();
    QTest::newRow("43 a number past the integers' range is no 1")
        << QStringList() << 43 << "4294967297" << QStringList();
}

void TestSheetFile::appliesEachLine() {
    QFETCH(QStringList, before);
    QFETCH(int, line);
    QFETCH(QString, text);
    QFETCH(QStringList, changes);

    LoggingForm form;
    form.preset(before);
    applyLines(sheetLayout(), form, fileWithLine(kSheetLineCount, line, text));
    QCOMPARE(form.log, changes);
}

void TestSheetFile::takesTheMagazineFromTheFirstCharacterOfLine44_data() {
    QTest::addColumn<QString>("line44");
    QTest::addColumn<Magazine>("magazine");

    QTest::newRow("as saved for Pixelor") << " 1 " << Magazine::None;
    QTest::newRow("as saved for Zorvane") << " 2 " << Magazine::None;
    QTest::newRow("1") << "1" << Magazine::Pixelor;
    QTest::newRow("2 and more") << "2 x" << Magazine::Zorvane;
    QTest::newRow("12") << "12" << Magazine::Pixelor;
    QTest::newRow("3") << "3" << Magazine::None;
    QTest::newRow("leading zero") << "02" << Magazine::None;
    QTest::newRow("empty") << "" << Magazine::None;
}

void TestSheetFile::takesTheMagazineFromTheFirstCharacterOfLine44() {
    QFETCH(QString, line44);
    QFETCH(Magazine, magazine);

    LoggingForm form;
    const std::optional<Magazine> chosen =
        applyLines(sheetLayout(), form, fileWithLine(kSheetLineCount, 44, line44));
    QCOMPARE(chosen.value_or(Magazine::None), magazine);
    QVERIFY(
        !applyLines(sheetLayout(), form, fileWithLine(45, 45, QStringLiteral("1"))).has_value());
}

void TestSheetFile::appliesEachEarlierLine_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("changes");

    for (const TextLine& row : kEarlierTextLines) {
        const QString value = QStringLiteral(" «%1», \"texte\"; ").arg(row.line);
        QTest::addRow("%d %s", row.line, row.field)
            << QStringList() << row.line << value << QStringList{utf8(row.field) + u'=' + value};
    }
    QTest::newRow("12 year of a birth date")
        << QStringList() << 12 << "12/05/1965" << utf8List({"SaisieNaissance=1965"});
    QTest::newRow("12 four characters only")
        << QStringList() << 12 << "12/05/1965 (Lyon)" << utf8List({"SaisieNaissance=1965"});
    QTest::newRow("12 shorter line")
        << QStringList() << 12 << "12/05/19" << utf8List({"SaisieNaissance=19"});
    QTest::newRow("12 fewer than 7 characters")
        << utf8List({"SaisieNaissance=1900"}) << 12 << "1965" << utf8List({"SaisieNaissance="});
    QTest::newRow("14 Qora") << QStringList() << 14 << "1" << utf8List({"Qora:on"});
    QTest::newRow("15 ZOLK as a number") << QStringList() << 15 << " 1" << utf8List({"ZOLK:on"});
    QTest::newRow("15 0 unticks") << utf8List({"ZOLK:on"}) << 15 << "0" << utf8List({"ZOLK:off"});
    QTest::newRow("16 1 and a name")
        << QStringList() << 16 << "1 Sud" << utf8List({"MembreAutre:on", "SaisieAutre=Sud"});
    QTest::newRow("16 0") << utf8List({"MembreAutre:on", "SaisieAutre=Sud"}) << 16 << "0"
                          << utf8List({"MembreAutre:off", "SaisieAutre="});
    QTest::newRow("19 3") << QStringList() << 19 << "3" << utf8List({"LogAuChoix:on"});
    QTest::newRow("20 2 as a number")
        << QStringList() << 20 << " 2 " << utf8List({"DocAnglais:on"});
    QTest::newRow("21 not used") << QStringList() << 21 << "1" << QStringList();
    QTest::newRow("24 not used") << QStringList() << 24 << "1" << QStringList();
    QTest::newRow("27 1") << QStringList() << 27 << "1" << utf8List({"LimitationsOui:on"});
    QTest::newRow("27 2") << QStringList() << 27 << "2" << utf8List({"LimitationsNon:on"});
    QTest::newRow("27 as text only") << QStringList() << 27 << " 1" << QStringList();
    QTest::newRow("29 1") << QStringList() << 29 << "1" << utf8List({"CDoui:on"});
    QTest::newRow("29 2") << QStringList() << 29 << "2" << utf8List({"CDnon:on"});
    QTest::newRow("30 1") << QStringList() << 30 << "1" << utf8List({"Shareware:on"});
    QTest::newRow("30 2") << QStringList() << 30 << "2" << utf8List({"Freeware:on"});
    QTest::newRow("30 3") << QStringList() << 30 << "3" << utf8List({"DomainePublic:on"});
    QTest::newRow("30 other text")
        << QStringList() << 30 << "Libre" << utf8List({"OptionAutre:on", "SaisieDiffuAutre=Libre"});
    QTest::newRow("30 Assimilé is another text")
        << QStringList() << 30 << "Assimilé"
        << utf8List({"OptionAutre:on", "SaisieDiffuAutre=Assimilé"});
    QTest::newRow("32 1") << QStringList() << 32 << "1" << utf8List({"LicenceSources:on"});
    QTest::newRow("33 2") << QStringList() << 33 << "2" << utf8List({"LicenceVersionGratos:on"});
    QTest::newRow("34 3") << QStringList() << 34 << "3" << utf8List({"LicenceManuel:on"});
    QTest::newRow("35 4") << QStringList() << 35 << "4" << utf8List({"LicenceReduc:on"});
    QTest::newRow("36 5") << QStringList() << 36 << "5" << utf8List({"LicenceCourrier:on"});
    QTest::newRow("37 6") << QStringList() << 37 << "6" << utf8List({"LicenceTel:on"});
    QTest::newRow("38 7") << QStringList() << 38 << "7" << utf8List({"LicenceBBS:on"});
    QTest::newRow("38 another number") << QStringList() << 38 << "1" << QStringList();
    QTest::newRow("39 other services") << QStringList() << 39 << "Hotline"
                                       << utf8List({"LicenceAutres:on", "AutresServices=Hotline"});
    for (int line = 40; line <= 49; ++line) {
        QTest::addRow("%d not used", line) << QStringList() << line << "1" << QStringList();
    }
}

void TestSheetFile::appliesEachEarlierLine() {
    QFETCH(QStringList, before);
    QFETCH(int, line);
    QFETCH(QString, text);
    QFETCH(QStringList, changes);

    LoggingForm form;
    form.preset(before);
    QVERIFY(!applyLines(earlierLayout(), form, fileWithLine(50, line, text)).has_value());
    QCOMPARE(form.log, changes);
}

void TestSheetFile::takesTheMagazineFromEarlierLine50() {
    LoggingForm form;
    QCOMPARE(applyLines(earlierLayout(), form, fileWithLine(50, 50, QStringLiteral("2"))),
             Magazine::Zorvane);
    QCOMPARE(applyLines(earlierLayout(), form, fileWithLine(50, 50, QStringLiteral("1 "))),
             Magazine::Pixelor);
    QVERIFY(!applyLines(earlierLayout(), form, fileWithLine(50, 50, QStringLiteral(" 2 ")))
                 .has_value());
    QVERIFY(
        !applyLines(earlierLayout(), form, fileWithLine(50, 44, QStringLiteral("2"))).has_value());
    QVERIFY(!applyLines(earlierLayout(), form, {}).has_value());
}

void TestSheetFile::fixturesSurviveReadingAndWritingByteForByte_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Magazine>("magazine");

    QTest::newRow("complet.pxr") << fixture("complet.pxr") << Magazine::Pixelor;
    QTest::newRow("zorvane.zrv") << fixture("zorvane.zrv") << Magazine::Zorvane;
    QTest::newRow("undefined bytes and NUL")
        << "V2\r\n" + QByteArray("\x81\x8d\x8f\x90\x9d\0\x01\x7f", 8) + "\r\n" + linesOf(13, "") +
               "0\r\n0\r\n0\r\n" + linesOf(25, "") + " 1 \r\n"
        << Magazine::Pixelor;
}

// Reading a file that saving wrote and writing it again gives the same bytes.
void TestSheetFile::fixturesSurviveReadingAndWritingByteForByte() {
    QFETCH(QByteArray, bytes);
    QFETCH(Magazine, magazine);

    const std::optional<SheetFileLines> sheet = readSheetFile(bytes);
    QVERIFY(sheet && sheet->layout == Layout::Current);
    LoggingForm form;
    applyLines(sheetLayout(), form, sheet->lines);
    QCOMPARE(encodeSheetFile(form, magazine), bytes);
}

void TestSheetFile::namesTheDialogTexts_data() {
    QTest::addColumn<Magazine>("magazine");
    QTest::addColumn<QString>("saveTitle");
    QTest::addColumn<QString>("saveType");
    QTest::addColumn<QString>("openType");
    QTest::addColumn<QString>("initialName");
    QTest::addColumn<QString>("suffix");

    QTest::newRow("Pixelor") << Magazine::Pixelor << "Enregistrer une Scribel Pixelor"
                             << "Scribel (*.pxr)"
                             << "(Scribels) *.pxr"
                             << "*.pxr"
                             << "pxr";
    QTest::newRow("Zorvane") << Magazine::Zorvane << "Enregistrer une Scribel Zorvane"
                             << "Scribel (*.zrv)"
                             << "(Scribels) *.zrv"
                             << "*.zrv"
                             << "zrv";
}

void TestSheetFile::namesTheDialogTexts() {
    QFETCH(Magazine, magazine);
    QFETCH(QString, saveTitle);
    QFETCH(QString, saveType);
    QFETCH(QString, openType);
    QFETCH(QString, initialName);
    QFETCH(QString, suffix);

    const std::optional<FileDialogRequest> save = saveDialogRequest(magazine);
    const std::optional<FileDialogRequest> open = openDialogRequest(magazine);
    QVERIFY(save && open);
    QCOMPARE(save->title, saveTitle);
    QCOMPARE(save->fileTypeText, saveType);
    QCOMPARE(open->title, QStringLiteral("Charger une Scribel"));
    QCOMPARE(open->fileTypeText, openType);
    QCOMPARE(save->initialName, initialName);
    QCOMPARE(open->initialName, initialName);
    QCOMPARE(save->defaultSuffix, suffix);
    QCOMPARE(open->defaultSuffix, suffix);
    QVERIFY(!saveDialogRequest(Magazine::None) && !openDialogRequest(Magazine::None));
}

QTEST_GUILESS_MAIN(TestSheetFile)
#include "tst_sheetfile.moc"
