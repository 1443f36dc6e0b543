// "Imprimer" on the real window: what the author typed and chose reaches the page.

#include "support/helpers.h"
#include "support/windowfixture.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace scribel::test {

class PrintWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { m_f = std::make_unique<WindowFixture>(); }
    void cleanup() { m_f.reset(); }

    void typedSheetReachesThePage() {
        click(u"Pixelor"_s);
        type(Field::SaisieNom, u"dupont"_s);
        type(Field::SaisieDescription, u"ab"_s);
        QTest::keyClick(m_f->get(Field::SaisieDescription), Qt::Key_Return);
        type(Field::SaisieDescription, u"cd"_s);
        type(Field::SaisieRetribution, u"150"_s);
        click(fieldName(Field::LicenceBBS).toString());
        click(fieldName(Field::Windows95).toString());
        click(u"Imprimer"_s);

        QVERIFY(m_f->doubles.messages.shown.empty());
        QCOMPARE(m_f->doubles.printer.printed.size(), 1u);
        const Page& page = m_f->doubles.printer.printed.front();
        QCOMPARE(textAt(page, 0, 16), u"Nom et Prénom : DUPONT "_s);
        QCOMPARE(textAt(page, 0, 76), u"Description : ab cd"_s);
        QCOMPARE(textAt(page, 130, 32), u"22,87 Euros"_s);
        QCOMPARE(textAt(page, 112, 40), u"BBS"_s);
        QCOMPARE(textAt(page, 97, 50), u"Système (OS) : Windows 95"_s);
        QCOMPARE(textAt(page, 117, 91), u"le : 07/12/2026"_s);
        // Printing leaves the sheet as it was.
        QCOMPARE(m_f->window->form().text(Field::SaisieRetribution), u"150"_s);
        QVERIFY(m_f->window->form().isOn(Field::LicenceBBS));
    }

private:
    void click(const QString& name) const {
        QWidget* button = m_f->get(name);
        m_f->showTabOf(button);
        // Near the left edge: a check box takes clicks on its box and caption only.
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    void type(Field field, const QString& keys) const {
        QWidget* control = m_f->get(field);
        m_f->showTabOf(control);
        QTest::keyClicks(control, keys);
    }

    std::unique_ptr<WindowFixture> m_f;
};

} // namespace scribel::test

QTEST_MAIN(scribel::test::PrintWindowTest)
#include "tst_printwindow.moc"
