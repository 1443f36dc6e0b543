// The long texts cut into printed lines, and line breaks printed as spaces.

#include "print/cutlines.h"
#include "sheetfixtures.h"
#include "support/helpers.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace scribel;
using namespace scribel::test;

class TestCutLines : public QObject {
    Q_OBJECT

private Q_SLOTS:
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

        // The first line's label and where it stands, in millimetres.
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
    // Every kind of line break, each one space on paper.
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

QTEST_GUILESS_MAIN(TestCutLines)
#include "tst_cutlines.moc"
