// Loading lines as long as a field can hold, and longer, through the real window.

#include "support/longentries.h"
#include "support/windowfixture.h"

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
        QVERIFY(writeFile(path, bytes));
        doubles.fileDialogs.nextAnswers.emplace_back(path);
        tabs()->setCurrentIndex(0);
        click(u"Charger");
    }
};

} // namespace

class LongEntriesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
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

QTEST_MAIN(LongEntriesTest)
#include "tst_longentries.moc"
