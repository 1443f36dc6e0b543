#include "app/fields/categories.h"
#include "app/fields/keyrules.h"
#include "app/fields/typingfilter.h"
#include "platform/core/windows1252.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

using namespace scribel;

class RulesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyByteSurvivesDecodingAndEncoding() {
        QByteArray all;
        for (int byte = 0; byte < 256; ++byte) {
            all.append(static_cast<char>(byte));
        }
        const QString text = cp1252::decode(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(text[0x80], QChar(0x20AC));
        QCOMPARE(text[0x9F], QChar(0x0178));
        QCOMPARE(text[0x81], QChar(0x0081));
        QCOMPARE(cp1252::encode(text), all);
        QVERIFY(!cp1252::isEncodable(QChar(0x0141))); // Ł
    }

    // Qt's own codec is the independent reference: every byte reads as it does, and every
    // UTF-16 code unit encodes to the byte it gives, or to none where it refuses it.
    void codePageAgreesWithQtsCodec() {
        for (int byte = 0; byte < 256; ++byte) {
            const char raw = static_cast<char>(byte);
            QStringDecoder decoder("windows-1252");
            const QString expected = decoder(QByteArrayView(&raw, 1));
            QVERIFY(!decoder.hasError());
            QCOMPARE(cp1252::toUnicode(static_cast<unsigned char>(byte)), expected.front());
        }
        for (int code = 0; code < 0x10000; ++code) {
            const char16_t unit = static_cast<char16_t>(code);
            if (QChar::isSurrogate(unit)) {
                continue;
            }
            QStringEncoder encoder("windows-1252");
            const QByteArray expected = encoder(QStringView(&unit, 1));
            const std::optional<unsigned char> byte = cp1252::fromUnicode(QChar(unit));
            QVERIFY2(byte.has_value() != encoder.hasError(), qPrintable(QString::number(code, 16)));
            if (byte) {
                QCOMPARE(static_cast<char>(*byte), expected.front());
            }
        }
    }

    // The category table in list order, as the author sees it, each with its sub-categories.
    void categoriesInListOrder_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QStringList>("subCategories");
        int index = 0;
        const auto row = [&index](const char* category, std::initializer_list<const char*> subs) {
            QStringList names;
            for (const char* sub : subs) {
                names.append(QString::fromUtf8(sub));
            }
            QTest::newRow(category) << index++ << QString::fromUtf8(category) << names;
        };
        row("AntiVirus", {"AntiVirus"});
        row("Bureautique",
            {"Agenda", "Argent", "Comptabilité", "Confidentialité", "Contact téléphonique",
             "Divers", "Euro", "Gestion", "Gestion élève", "Horloge"});
        row("Divers", {"Divers", "Electronique", "Humour", "Numérologie", "PMU",
                       "Recueil de textes", "Sport"});
        row("Educatif", {"Divers", "Electronique", "Maths"});
        row("Emulateur", {"Divers", "Driver manette", "N64", "Nes", "PSX"});
        row("Gestion de fichiers", {"Explorateur"});
        row("Graphisme", {"Divers", "Icône", "Ray-Tracing", "Viewer"});
        row("Internet", {"Editeur HTML", "Navigateur", "Recherche"});
        row("Jeux",
            {"Dés", "Educatif", "Lettres", "Loto", "Plate-forme", "Réflexion", "Stratégie"});
        row("Musique",
            {"Divers", "Editeur", "Gestion", "MP3", "Playeur", "Séquenceur", "Son", "Utilitaire"});
        row("Screen Saver", {"Screen Saver"});
        row("Système", {"Confirmé", "Débutant"});
    }
    void categoriesInListOrder() {
        QFETCH(int, index);
        QFETCH(QString, category);
        QFETCH(QStringList, subCategories);
        QCOMPARE(categoryNames().size(), 12);
        QCOMPARE(categoryNames().at(index), category);
        const std::optional<QStringList> subs = subCategoriesOf(category);
        QVERIFY(subs);
        QCOMPARE(*subs, subCategories);
        QVERIFY(!subCategoriesOf(category.toLower()));
    }

    void upperCaseFollowsTheCodePage_data() {
        QTest::addColumn<QChar>("typed");
        QTest::addColumn<QChar>("upper");
        QTest::newRow("a") << QChar(u'a') << QChar(u'A');
        QTest::newRow("é") << QChar(u'é') << QChar(u'É');
        QTest::newRow("ÿ to Ÿ (0x9F)") << QChar(u'ÿ') << QChar(0x0178);
        QTest::newRow("œ") << QChar(0x0153) << QChar(0x0152);
        QTest::newRow("š") << QChar(0x0161) << QChar(0x0160);
        QTest::newRow("µ keeps its code") << QChar(0x00B5) << QChar(0x00B5);
        QTest::newRow("ß keeps its code") << QChar(u'ß') << QChar(u'ß');
        QTest::newRow("digit") << QChar(u'7') << QChar(u'7');
        QTest::newRow("backspace") << QChar(8) << QChar(8);
    }
    void upperCaseFollowsTheCodePage() {
        QFETCH(QChar, typed);
        QFETCH(QChar, upper);
        QCOMPARE(cp1252::toUpper(typed), upper);
    }

    void caseRules_data() {
        QTest::addColumn<int>("rule");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QChar>("typed");
        QTest::addColumn<QChar>("inserted");
        const auto row = [](const char* name, CaseRule rule, const char* current, char16_t typed,
                            char16_t inserted) {
            QTest::newRow(name) << static_cast<int>(rule) << QString::fromUtf8(current)
                                << QChar(typed) << QChar(inserted);
        };
        row("always", CaseRule::Always, "AB", u'c', u'C');
        row("first, empty", CaseRule::FirstCharacter, "", u'b', u'B');
        row("first, not empty", CaseRule::FirstCharacter, "B", u'i', u'i');
        row("words, empty", CaseRule::WordStarts, "", u'j', u'J');
        row("words, after a space", CaseRule::WordStarts, "Jean ", u'p', u'P');
        row("words, after a hyphen", CaseRule::WordStarts, "Jean-", u'p', u'p');
        row("words, mid-word", CaseRule::WordStarts, "Je", u'a', u'a');
        row("first, after a space", CaseRule::FirstCharacter, " ", u'b', u'b');
        row("none", CaseRule::None, "", u'x', u'x');
    }
    void caseRules() {
        QFETCH(int, rule);
        QFETCH(QString, current);
        QFETCH(QChar, typed);
        QFETCH(QChar, inserted);
        QCOMPARE(applyCaseRule(static_cast<CaseRule>(rule), typed, current), inserted);
    }

    void insertionsAreFilteredAndCut_data() {
        QTest::addColumn<QString>("inserted");
        QTest::addColumn<int>("kept");
        QTest::addColumn<int>("previous");
        QTest::addColumn<int>("limit");
        QTest::addColumn<bool>("multiLine");
        QTest::addColumn<QString>("admitted");
        QTest::newRow("fits") << "abc" << 2 << 2 << 5 << false << "abc";
        QTest::newRow("cut to the room left") << "abcdef" << 2 << 2 << 5 << false << "abc";
        QTest::newRow("full") << "a" << 5 << 5 << 5 << false << "";
        QTest::newRow("replacing a selection") << "xy" << 3 << 5 << 5 << false << "xy";
        QTest::newRow("over-long text may not grow") << "x" << 30 << 30 << 25 << false << "";
        QTest::newRow("over-long text may take back what it gave")
            << "xyz" << 27 << 30 << 25 << false << "xyz";
        QTest::newRow("a line break on one line is a space")
            << "a\nb" << 0 << 0 << 5 << false << "a b";
        QTest::newRow("CR LF is one break") << "a\r\nb" << 0 << 0 << 5 << true << "a\nb";
        QTest::newRow("controls refused") << "a\tb\x01" << 0 << 0 << 5 << true << "ab";
        QTest::newRow("DEL refused") << "a\u007Fb" << 0 << 0 << 5 << true << "ab";
        QTest::newRow("C1 controls refused though the code page has them")
            << "a\u0081b\u009Dc" << 0 << 0 << 5 << true << "abc";
        QTest::newRow("the last control before the space refused")
            << "a\u001Fb" << 0 << 0 << 5 << true << "ab";
        QTest::newRow("no code") << "€Łx" << 0 << 0 << 5 << false << "€x";
        QTest::newRow("composed before the limit counts")
            << QStringLiteral("e\u0301e\u0300e\u0308") << 0 << 0 << 3 << false << "éèë";
        QTest::newRow("a ligature's letters count")
            << "\uFB01\uFB02" << 0 << 0 << 3 << false << "fi";
        QTest::newRow("narrow and thin spaces become spaces")
            << "a\u202F?\u2009!" << 0 << 0 << 9 << false << "a ? !";
        QTest::newRow("no-break space and soft hyphen have codes")
            << "a\u00A0b\u00AD" << 0 << 0 << 9 << true << "a\u00A0b\u00AD";
        QTest::newRow("full-width letters and mathematical ones")
            << QStringLiteral("\uFF21\uFF5A\U0001D400") << 0 << 0 << 9 << false << "AzA";
        QTest::newRow("format characters refused")
            << "a\u200Bb\u200Cc\u200Dd\u200Ee\u200Ff\uFEFF" << 0 << 0 << 9 << true << "abcdef";
        QTest::newRow("emoji and lone surrogates refused")
            << QStringLiteral("a\U0001F600b\U0001F44D\U0001F3FDc") + QChar(0xD800) + u'd' +
                   QChar(0xDC00)
            << 0 << 0 << 9 << true << "abcd";
        QTest::newRow("a compatibility form the code page lacks is refused")
            << "\u2153\u2011x" << 0 << 0 << 9 << false << "x"; // 1/3 with a fraction slash
        QTest::newRow("a line break with a mark composes nothing")
            << "a\u2028\u0301b" << 0 << 0 << 9 << true << "a\nb";
    }
    void insertionsAreFilteredAndCut() {
        QFETCH(QString, inserted);
        QFETCH(int, kept);
        QFETCH(int, previous);
        QFETCH(int, limit);
        QFETCH(bool, multiLine);
        QFETCH(QString, admitted);
        QCOMPARE(admitInsertion(inserted, QChar(), kept, previous, limit, multiLine).text,
                 admitted);
    }
};

QTEST_GUILESS_MAIN(RulesTest)
#include "tst_rules.moc"
