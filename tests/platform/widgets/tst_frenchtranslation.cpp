// Qt's French texts where they are not installed: this test's Qt looks for its translations
// in a folder that does not exist (missing-translations.conf).

#include "platform/widgets/frenchtranslation.h"

#include <QCoreApplication>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestFrenchTranslation : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void saysWhenQtsFrenchIsMissing() {
        QVERIFY(!scribel::installQtFrenchTranslation(*QCoreApplication::instance()));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Cancel"_s);
    }
};

QTEST_GUILESS_MAIN(TestFrenchTranslation)
#include "tst_frenchtranslation.moc"
