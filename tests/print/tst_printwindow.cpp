// "Imprimer" on the real window: what the author typed and chose reaches the page.

#include "app/principale.h"
#include "support/doubles.h"

#include <QAbstractButton>
#include <QTabWidget>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace scribel::test {

namespace {

QString textAt(const Page& page, double xMm, double yMm) {
    for (const PageItem& item : page) {
        if (item.xMm == xMm && item.yMm == yMm) {
            return item.text;
        }
    }
    return {};
}

} // namespace

class PrintWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        m_doubles = std::make_unique<TestServices>();
        m_window = std::make_unique<Principale>(m_doubles->services());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup() {
        m_window.reset();
        m_doubles.reset();
    }

    void typedSheetReachesThePage() {
        click(u"Pixelor"_s);
        type(Field::SaisieNom, u"dupont"_s);
        type(Field::SaisieDescription, u"ab"_s);
        QTest::keyClick(widget(Field::SaisieDescription), Qt::Key_Return);
        type(Field::SaisieDescription, u"cd"_s);
        type(Field::SaisieRetribution, u"150"_s);
        click(fieldName(Field::LicenceBBS).toString());
        click(fieldName(Field::Windows95).toString());
        click(u"Imprimer"_s);

        QVERIFY(m_doubles->messages.shown.empty());
        QCOMPARE(m_doubles->printer.printed.size(), 1u);
        const Page& page = m_doubles->printer.printed.front();
        QCOMPARE(textAt(page, 0, 16), u"Nom et Prénom : DUPONT "_s);
        QCOMPARE(textAt(page, 0, 76), u"Description : ab cd"_s);
        QCOMPARE(textAt(page, 130, 32), u"22,87 Euros"_s);
        QCOMPARE(textAt(page, 112, 40), u"BBS"_s);
        QCOMPARE(textAt(page, 97, 50), u"Système (OS) : Windows 95"_s);
        QCOMPARE(textAt(page, 117, 91), u"le : 07/12/2026"_s);
        // Printing leaves the sheet as it was.
        QCOMPARE(m_window->form().text(Field::SaisieRetribution), u"150"_s);
        QVERIFY(m_window->form().isOn(Field::LicenceBBS));
    }

private:
    QWidget* widget(const QString& name) const {
        auto* found = m_window->findChild<QWidget*>(name);
        if (found == nullptr) {
            qFatal("no control %s", qPrintable(name));
        }
        return found;
    }
    QWidget* widget(Field field) const { return widget(fieldName(field).toString()); }

    // Shows the control's tab first, as the author would.
    void reach(QWidget* control) const {
        auto* tabs = m_window->findChild<QTabWidget*>(u"Onglet"_s);
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->widget(i)->isAncestorOf(control)) {
                tabs->setCurrentIndex(i);
            }
        }
    }
    void click(const QString& name) const {
        QWidget* button = widget(name);
        reach(button);
        // Near the left edge: a check box takes clicks on its box and caption only.
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    void type(Field field, const QString& keys) const {
        QWidget* control = widget(field);
        reach(control);
        QTest::keyClicks(control, keys);
    }

    std::unique_ptr<TestServices> m_doubles;
    std::unique_ptr<Principale> m_window;
};

} // namespace scribel::test

QTEST_MAIN(scribel::test::PrintWindowTest)
#include "tst_printwindow.moc"
