// The insertion rule through every way into a field: what the file can hold, whole or
// not at all, composed, within the field's limit; and lines as long as a field can hold,
// and longer, loaded through the real window.

#include "app/fields/typingfilter.h"
#include "fieldentry.h"
#include "support/longentries.h"

#include <QTemporaryDir>

using namespace scribel;
using namespace scribel::test;
using namespace Qt::StringLiterals;

namespace {

struct LoadingWindow : WindowFixture {
    QTemporaryDir folder;

    LoadingWindow() { click(u"Pixelor"); }

    void load(const QByteArray& bytes) {
        const QString path = folder.filePath(u"longue.pxr"_s);
        writeBytes(path, bytes);
        doubles.fileDialogs.nextAnswers.emplace_back(path);
        tabs()->setCurrentIndex(0);
        click(u"Charger");
    }
};

} // namespace

class TestTypingFilter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void insertionsAreFilteredAndCut_data() {
        addColumns<QString, int, int, int, bool, QString, bool, QChar>(
            "inserted", "kept", "previous", "limit", "multiLine", "admitted", "whole", "before");
        // whole: nothing inserted was dropped; before: the character ahead of the caret.
        const auto row = [](const char* name, const QString& inserted, int kept, int previous,
                            int limit, bool multiLine, const QString& admitted, bool whole,
                            QChar before = {}) {
            QTest::newRow(name) << inserted << kept << previous << limit << multiLine << admitted
                                << whole << before;
        };
        row("fits", u"abc"_s, 2, 2, 5, false, u"abc"_s, true);
        row("cut to the room left", u"abcdef"_s, 2, 2, 5, false, u"abc"_s, false);
        row("full", u"a"_s, 5, 5, 5, false, u""_s, false);
        row("replacing a selection", u"xy"_s, 3, 5, 5, false, u"xy"_s, true);
        row("over-long text may not grow", u"x"_s, 30, 30, 25, false, u""_s, false);
        row("over-long text may take back what it gave", u"xyz"_s, 27, 30, 25, false, u"xyz"_s,
            true);
        row("a line break on one line is a space", u"a\nb"_s, 0, 0, 5, false, u"a b"_s, true);
        row("CR LF is one break", u"a\r\nb"_s, 0, 0, 5, true, u"a\nb"_s, true);
        row("controls refused, a tab is a space", u"a\tb\x01"_s, 0, 0, 5, true, u"a b"_s, false);
        row("DEL refused", u"a\u007Fb"_s, 0, 0, 5, true, u"ab"_s, false);
        row("C1 controls refused though the code page has them", u"a\u0081b\u009Dc"_s, 0, 0, 5,
            true, u"abc"_s, false);
        row("the last control before the space refused", u"a\u001Fb"_s, 0, 0, 5, true, u"ab"_s,
            false);
        row("no code", u"€Łx"_s, 0, 0, 5, false, u"€x"_s, false);
        row("composed before the limit counts", u"e\u0301e\u0300e\u0308"_s, 0, 0, 3, false,
            u"éèë"_s, true);
        row("a ligature's letters count", u"\uFB01\uFB02"_s, 0, 0, 3, false, u"fi"_s, false);
        row("narrow and thin spaces become spaces", u"a\u202F?\u2009!"_s, 0, 0, 9, false,
            u"a ? !"_s, true);
        row("no-break space and soft hyphen have codes", u"a\u00A0b\u00AD"_s, 0, 0, 9, true,
            u"a\u00A0b\u00AD"_s, true);
        row("full-width letters and mathematical ones", u"\uFF21\uFF5A\U0001D400"_s, 0, 0, 9, false,
            u"AzA"_s, true);
        row("format characters refused", u"a\u200Bb\u200Cc\u200Dd\u200Ee\u200Ff\uFEFF"_s, 0, 0, 9,
            true, u"abcdef"_s, false);
        row("emoji and lone surrogates refused",
            u"a\U0001F600b\U0001F44D\U0001F3FDc"_s + QChar(0xD800) + u'd' + QChar(0xDC00), 0, 0, 9,
            true, u"abcd"_s, false);
        row("a compatibility form the code page lacks is refused", u"\u2153\u2011x"_s, 0, 0, 9,
            false, u"x"_s, false); // 1/3 with a fraction slash
        row("a line break with a mark composes nothing", u"a\u2028\u0301b"_s, 0, 0, 9, true,
            u"a\nb"_s, false);
        row("a mark joins the character before", u"\u0301x"_s, 1, 1, 5, false, u"\u00E9x"_s, true,
            u'e');
        row("a mark with nothing to join is refused", u"\u0301x"_s, 1, 1, 5, false, u"x"_s, false,
            u'q');
        row("a joined mark without a code is refused", u"\u0307x"_s, 1, 1, 5, false, u"x"_s, false,
            u'e'); // e with a dot above
        row("a mark its letter cannot take is refused alone", u"Mak\u0301ro"_s, 0, 0, 9, false,
            u"Makro"_s, false);
        row("a mark refused alone, several lines", u"Jeu s\u0302ur"_s, 0, 0, 9, true, u"Jeu sur"_s,
            false);
        row("each run of breaks and tabs on one line is a space",
            u"a\u0085b\vc\fd\te\u2028\u2029f \t\r\n g"_s, 0, 0, 20, false, u"a b c d e f   g"_s,
            true);
        row("NEL, VT, FF and the separators are breaks, a tab a space",
            u"a\u0085b\vc\fd\u2028e\u2029f\t\tg"_s, 0, 0, 20, true, u"a\nb\nc\nd\ne\nf  g"_s, true);
    }

    void insertionsAreFilteredAndCut() {
        const auto [inserted, kept, previous, limit, multiLine, admitted, whole, before] =
            fetch<QString, int, int, int, bool, QString, bool, QChar>(
                "inserted", "kept", "previous", "limit", "multiLine", "admitted", "whole",
                "before");
        const Admission admission =
            admitInsertion(inserted, before, kept, previous, limit, multiLine);
        QCOMPARE(admission.text, admitted);
        QCOMPARE(admission.whole, whole);
        // A mark that joins the character before replaces it.
        QCOMPARE(admission.replacesPrevious, !before.isNull() && whole);
    }

    // Keys that type, as Qt's own fields decide.
    void keysThatInsertText_data() {
        addColumns<QString, int, bool, bool>("text", "modifiers", "multiLine", "inserts");
        const int ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
        QTest::newRow("a letter") << u"a"_s << int(Qt::NoModifier) << false << true;
        QTest::newRow("Ctrl+Shift+A, a shortcut") << u"A"_s << ctrlShift << false << false;
        QTest::newRow("Ctrl+Shift typing a format character")
            << u"\u200C"_s << ctrlShift << true << true;
        QTest::newRow("AltGr as Ctrl+Alt")
            << u"€"_s << int(Qt::ControlModifier | Qt::AltModifier) << false << true;
        QTest::newRow("a tab, several lines") << u"\t"_s << int(Qt::NoModifier) << true << true;
        QTest::newRow("a tab, one line") << u"\t"_s << int(Qt::NoModifier) << false << false;
    }
    void keysThatInsertText() {
        const auto [text, modifiers, multiLine, inserts] =
            fetch<QString, int, bool, bool>("text", "modifiers", "multiLine", "inserts");
        QCOMPARE(insertsText(text, Qt::KeyboardModifiers(modifiers), multiLine), inserts);
    }
    // An input method may ask to replace text before the start or past the end.
    void replacementsStayWithinTheText_data() {
        addColumns<int, int, int, int, int>("start", "length", "caret", "keptStart", "keptLength");
        // In a text of five characters.
        QTest::newRow("within") << -2 << 1 << 3 << -2 << 1;
        QTest::newRow("past the end") << 3 << 2 << 4 << 1 << 0;
        QTest::newRow("running past the end") << -1 << 9 << 3 << -1 << 3;
        QTest::newRow("before the start") << -9 << 3 << 2 << -2 << 3;
        QTest::newRow("a negative length") << 0 << -2 << 1 << 0 << 0;
    }
    void replacementsStayWithinTheText() {
        const auto [start, length, caret, keptStart, keptLength] =
            fetch<int, int, int, int, int>("start", "length", "caret", "keptStart", "keptLength");
        const Replacement kept = keptWithinText({start, length}, caret, 5);
        QCOMPARE(kept.start, keptStart);
        QCOMPARE(kept.length, keptLength);
    }

    void typingStopsAtTheLimit_data() {
        addColumns<QString, int>("field", "limit");
        QTest::newRow("numéro") << "SaisieNumero" << 3;
        QTest::newRow("code postal") << "SaisieCodePostal" << 5;
        QTest::newRow("naissance") << "SaisieNaissance" << 4;
        QTest::newRow("date") << "SaisieDateCreation" << 10;
        QTest::newRow("tél. portable") << "SaisieTelPortable" << 14;
        QTest::newRow("rétribution") << "SaisieRetribution" << 5;
        QTest::newRow("web") << "SaisieWeb" << 80;
        QTest::newRow("description") << "SaisieDescription" << 228;
        QTest::newRow("limitations") << "Limitations" << 251;
        QTest::newRow("autres services") << "AutresServices" << 171;
    }
    void typingStopsAtTheLimit() {
        const auto [field, limit] = fetch<QString, int>("field", "limit");
        const WindowFixture f(u"Pixelor");
        f.window->form().setOn(Field::LimitationsOui, true);
        f.window->form().setOn(Field::LicenceAutres, true);
        QWidget* widget = f.shown(field);
        typeKeys(widget, QString(limit + 3, u'7'));
        // Nor does a line break go in, from either Enter key, Shift held or not.
        QTest::keyClick(widget, Qt::Key_Return);
        QTest::keyClick(widget, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(widget, Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(f.text(field), QString(limit, u'7'));
    }
    void aLineBreakCountsAsOneCharacter() {
        const WindowFixture f(u"Pixelor");
        f.window->form().setOn(Field::LicenceAutres, true);
        QWidget* services = f.shown(Field::AutresServices);
        typeKeys(services, QString(169, u'a'));
        QTest::keyClick(services, Qt::Key_Return);
        typeKeys(services, u"bc"_s);
        QCOMPARE(f.text(Field::AutresServices), QString(169, u'a') + u"\nb"_s);
    }
    void pastingIsCutToTheLimitAndFiltered() {
        const WindowFixture f(u"Pixelor");
        auto* postcode = f.shown<QLineEdit>(Field::SaisieCodePostal);
        typeKeys(postcode, u"21"_s);
        postcode->setCursorPosition(1);
        pasteInto(postcode, u"0000000"_s);
        QCOMPARE(postcode->text(), u"20001"_s);

        auto* ville = f.get<QLineEdit>(Field::SaisieVille);
        pasteInto(ville, u"Łódź € Œuf\tx"_s);
        QCOMPARE(ville->text(), u"ód € Œuf x"_s); // Ł and ź have no code; a tab is a space

        auto* description = f.shown<QPlainTextEdit>(Field::SaisieDescription);
        description->setFocus();
        pasteInto(description, u"un\r\ndeux ✓"_s + QString(300, u'z'));
        const QString pasted = f.text(Field::SaisieDescription);
        QCOMPARE(pasted.size(), 228);
        QVERIFY(pasted.startsWith(u"un\ndeux z"_s));
    }
    void textSetByTheProgramIsNeverCut() {
        const WindowFixture f(u"Pixelor");
        const QString longName(40, u'N');
        f.window->form().setText(Field::SaisieNom, longName);
        QCOMPARE(f.text(Field::SaisieNom), longName);
        const QString longDescription(300, u'd');
        f.window->form().setText(Field::SaisieDescription, longDescription);
        QCOMPARE(f.text(Field::SaisieDescription), longDescription);
        // Typing cannot make it longer, but deleting works.
        auto* nom = f.shown<QLineEdit>(Field::SaisieNom);
        nom->end(false);
        typeKeys(nom, u"x"_s);
        QCOMPARE(nom->text(), longName);
        QTest::keyClick(nom, Qt::Key_Backspace);
        QCOMPARE(nom->text().size(), 39);
    }
    void typedTextKeepsOnlyWhatTheFileCanHold_data() {
        addColumns<QString, Entry, QStringList, QString>("field", "entry", "pieces", "shown");
        const QStringList invisible = utf8List({"a", "\u200C", "b\u200E", "\u200F", "c\u200Bd",
                                                "\U0001F600", "e\U0001F44D\U0001F3FD"});
        for (const Entry entry : {Entry::Keys, Entry::InputMethod}) {
            const char* how = entry == Entry::Keys ? "keys" : "input method";
            QTest::addRow("description, format characters and emoji, %s", how)
                << "SaisieDescription" << entry << invisible << "abcde";
            QTest::addRow("nom, format characters and emoji, %s", how)
                << "SaisieNom" << entry << invisible << "ABCDE";
            QTest::addRow("activité, format characters and emoji, %s", how)
                << "SaisieActivite" << entry << invisible << "abcde";
            QTest::addRow("nom, a ligature takes its letters and the case rule, %s", how)
                << "SaisieNom" << entry << QStringList{u"\uFB01n"_s} << "FIN";
            QTest::addRow("ville, a decomposed accent, %s", how)
                << "SaisieVille" << entry << QStringList{u"e\u0301vry"_s} << "ÉVRY";
            QTest::addRow("limitations, full-width letters, %s", how)
                << "Limitations" << entry << QStringList{u"\uFF21\uFF42c"_s} << "Abc";
        }
        // A key whose character has no code types nothing.
        const QStringList greekAndEuro = {u"λ"_s, u"€"_s};
        QTest::newRow("nom, λ and € keys")
            << "SaisieNom" << Entry::Keys << QStringList{u"a"_s} + greekAndEuro << "A€";
        QTest::newRow("limitations, λ and € keys")
            << "Limitations" << Entry::Keys << greekAndEuro << "€";
        QTest::newRow("prénom, the case rule on each committed character")
            << "SaisiePrenom" << Entry::InputMethod << QStringList{u"jean pierre"_s}
            << "Jean Pierre";
        // Pasted and dropped text is composed.
        for (const char* field : {"SaisieActivite", "SaisieDescription"}) {
            for (const Entry entry : {Entry::Paste, Entry::Drop}) {
                const char* how = entry == Entry::Drop ? "dropped" : "pasted";
                QTest::addRow("%s, decomposed accents, %s", field, how)
                    << field << entry << QStringList{u"He\u0301le\u0300ne Noe\u0308l"_s}
                    << "Hélène Noël";
                QTest::addRow("%s, a ligature, %s", field, how)
                    << field << entry << QStringList{u"\uFB01chier"_s} << "fichier";
                QTest::addRow("%s, a narrow no-break space, %s", field, how)
                    << field << entry << QStringList{u"Quoi\u202F?"_s} << "Quoi ?";
            }
        }
        QTest::newRow("numéro, the limit counts composed characters")
            << "SaisieNumero" << Entry::Paste << QStringList{u"e\u0301e\u0301e\u0301e\u0301"_s}
            << "ééé";
    }
    void typedTextKeepsOnlyWhatTheFileCanHold() {
        const auto [field, entry, pieces, shown] =
            fetch<QString, Entry, QStringList, QString>("field", "entry", "pieces", "shown");
        const WindowFixture f(u"Pixelor");
        f.window->form().setOn(Field::LimitationsOui, true);
        QWidget* widget = f.shown(field);
        enter(widget, entry, pieces);
        QCOMPARE(f.text(field), shown);
    }
    // Refused characters take no room: the limit counts what the field keeps.
    void refusedCharactersDoNotCountTowardsTheLimit_data() {
        QTest::addColumn<Entry>("entry");
        QTest::newRow("keys") << Entry::Keys;
        QTest::newRow("input method") << Entry::InputMethod;
    }
    void refusedCharactersDoNotCountTowardsTheLimit() {
        QFETCH(Entry, entry);
        const WindowFixture f(u"Pixelor");
        QWidget* description = f.shown(Field::SaisieDescription);
        const QStringList pieces = {u"x"_s, u"\u200C"_s, u"\U0001F600"_s};
        for (int i = 0; i < 300; ++i) {
            enter(description, entry, pieces);
        }
        QCOMPARE(f.text(Field::SaisieDescription), QString(228, u'x'));
    }
    // Whole or nothing: a character with all of its compatibility form or not at all, a
    // combining mark composed with the letter before it or refused; on one line, a run of
    // line breaks is one space. `before` is set by the program, the caret after it.
    void anInsertionGoesInWholeOrNotAtAll_data() {
        addColumns<QString, QString, Entry, QString, QString>("field", "before", "entry",
                                                              "inserted", "shown");
        const auto row = [](const char* name, const char* field, QStringView before, Entry entry,
                            QStringView inserted, QStringView shown) {
            QTest::newRow(name) << field << before.toString() << entry << inserted.toString()
                                << shown.toString();
        };
        const QString nearlyFull(227, u'd');
        row("numéro, ff typed, one place left", "SaisieNumero", u"ab", Entry::Keys, u"\uFB00",
            u"ab");
        row("numéro, kg committed, one place left", "SaisieNumero", u"ab", Entry::InputMethod,
            u"\u338F", u"ab");
        row("numéro, (1) pasted, one place left", "SaisieNumero", u"ab", Entry::Paste, u"\u2474",
            u"ab");
        row("numéro, ff dropped ends the insertion", "SaisieNumero", u"a", Entry::Drop, u"x\uFB00y",
            u"ax");
        row("description, ff pasted, one place left", "SaisieDescription", nearlyFull, Entry::Paste,
            u"\uFB00", nearlyFull);
        row("description, fi typed, two places left", "SaisieDescription", nearlyFull.left(226),
            Entry::Keys, u"\uFB01", nearlyFull.left(226) + u"fi"_s);
        row("activité, an accent typed after its letter", "SaisieActivite", u"caf", Entry::Keys,
            u"e", u"cafe");
        row("activité, then the accent", "SaisieActivite", u"cafe", Entry::Keys, u"\u0301",
            u"café");
        row("nom, the accent on a capital, committed", "SaisieNom", u"E", Entry::InputMethod,
            u"\u0301", u"É");
        row("numéro, full, the accent takes no room", "SaisieNumero", u"abe", Entry::Keys,
            u"\u0301", u"abé");
        row("description, the accent typed", "SaisieDescription", u"e", Entry::Keys, u"\u0301",
            u"é");
        row("description, the accent pasted", "SaisieDescription", u"e", Entry::Paste, u"\u0301b",
            u"éb");
        row("activité, an accent the letter cannot take", "SaisieActivite", u"x", Entry::Keys,
            u"\u0301", u"x");
        row("description, an accent after a line break", "SaisieDescription", u"a\n", Entry::Keys,
            u"\u0301", u"a\n");
        row("activité, a pasted line break", "SaisieActivite", u"", Entry::Paste, u"ligne1\nligne2",
            u"ligne1 ligne2");
        row("nom, a dropped run of CR LF", "SaisieNom", u"", Entry::Drop, u"un\r\n\r\ndeux",
            u"un deux");
        row("activité, a committed CR", "SaisieActivite", u"", Entry::InputMethod, u"a\rb", u"a b");
        row("description keeps its line breaks", "SaisieDescription", u"", Entry::Paste,
            u"a\r\n\nb", u"a\n\nb");
        row("activité, a pasted accent its letter cannot take", "SaisieActivite", u"", Entry::Paste,
            u"Mak\u0301ro", u"Makro");
        row("nom, a committed accent its letter cannot take", "SaisieNom", u"", Entry::InputMethod,
            u"mak\u0301ro", u"MAKRO");
        row("description, a pasted accent its letter cannot take", "SaisieDescription", u"",
            Entry::Paste, u"Jeu s\u0302ur", u"Jeu sur");
        row("description, a dropped accent its letter cannot take", "SaisieDescription", u"",
            Entry::Drop, u"Jeu s\u0302ur", u"Jeu sur");
        row("activité, pasted NEL, VT, FF and a tab", "SaisieActivite", u"", Entry::Paste,
            u"un\u0085deux\vtrois\fquatre\tcinq", u"un deux trois quatre cinq");
        row("nom, a dropped run of separators among spaces", "SaisieNom", u"", Entry::Drop,
            u"un\t\u0085deux \v trois", u"un deux   trois");
        row("description, pasted NEL, VT, FF and the separators", "SaisieDescription", u"",
            Entry::Paste, u"a\u0085b\vc\fd\u2028e\u2029f", u"a\nb\nc\nd\ne\nf");
        row("description, a committed tab", "SaisieDescription", u"", Entry::InputMethod, u"a\tb",
            u"a b");
    }
    void anInsertionGoesInWholeOrNotAtAll() {
        const auto [field, before, entry, inserted, shown] =
            fetch<QString, QString, Entry, QString, QString>("field", "before", "entry", "inserted",
                                                             "shown");
        const WindowFixture f(u"Pixelor");
        QWidget* widget = f.shown(field);
        f.window->form().setText(fieldNamed(field), before);
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_End, Qt::ControlModifier);
        enter(widget, entry, {inserted});
        QCOMPARE(f.text(field), shown);
    }

    void refusesALineLongerThanAFieldHolds_data() {
        addColumns<QByteArray, QString>("file", "reason");
        const auto overTheLimit = [](const QString& line) -> QString {
            return line + u" caractères, plus que les 32\u202F767 qu'une entrée de la fiche "
                          u"peut contenir"_s;
        };
        QTest::newRow("nom, 40,000 characters")
            << sheetWithLongLines({2}, 40'000) << overTheLimit(u"sa ligne 2 compte 40\u202F000"_s);
        QTest::newRow("description, 400,000 characters")
            << sheetWithLongLines({20}, 400'000)
            << overTheLimit(u"sa ligne 20 compte 400\u202F000"_s);
        QTest::newRow("one more than a line may hold, in a file of the earlier version")
            << QByteArray(32'768, 'x') + "\r\n"
            << overTheLimit(u"sa ligne 1 compte 32\u202F768"_s);
    }
    void refusesALineLongerThanAFieldHolds() {
        const auto [file, reason] = fetch<QByteArray, QString>("file", "reason");
        LoadingWindow f;
        f.window->form().setText(Field::SaisieNom, u"GARDÉ"_s);
        f.window->form().setText(Field::SaisieDescription, u"Reste\nlà"_s);
        f.load(file);

        QCOMPARE(f.text(Field::SaisieNom), u"GARDÉ"_s);
        QCOMPARE(f.text(Field::SaisieDescription), u"Reste\nlà"_s);
        QCOMPARE(f.doubles.messages.shown.size(), 1u);
        QCOMPARE(f.doubles.messages.shown.front().text,
                 QStringLiteral("Le fichier « longue.pxr » n'a pas été chargé : %1.\n"
                                "La fiche affichée reste telle qu'elle était.")
                     .arg(reason));
    }

    // Every text as long as a line may be, multi-line fields included, is loaded whole
    // and every tab shows it.
    void loadsTheLongestLinesWhole() {
        LoadingWindow f;
        f.load(longestAcceptedSheet());
        QVERIFY(f.doubles.messages.shown.empty());
        const QString longest(sheetfile::kMaxLineLength, u'm');
        for (const Field field :
             {Field::SaisieNom, Field::SaisieWeb, Field::SaisieDescription, Field::Limitations,
              Field::SaisieDiffuAutre, Field::AutresServices}) {
            QCOMPARE(f.text(field), longest);
        }
        QCOMPARE(f.text(Field::SaisieAutre), longest.left(longest.size() - 2));
        for (int tab = 0; tab < f.tabs()->count(); ++tab) {
            f.tabs()->setCurrentIndex(tab);
            QVERIFY(!f.window->grab().isNull());
        }
    }
};

QTEST_MAIN(TestTypingFilter)
#include "tst_typingfilter.moc"
