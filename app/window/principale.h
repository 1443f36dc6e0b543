#pragma once

#include "app/actions/linkopener.h"
#include "app/actions/printaction.h"
#include "app/actions/services.h"
#include "app/actions/sheetfileactions.h"
#include "app/actions/sheetwindow.h"
#include "app/fields/keyrules.h"
#include "platform/widgets/widgetform.h"

#include <QWidget>
#include <memory>

class QLabel;
class QTimer;

namespace scribel {

class TwipsTabWidget;
class WindowControls;

// The one window of the program. The field controls hold the sheet; the window holds
// the magazine choice and runs every handler of the sheet.
class Principale final : public QWidget, public SheetWindow {
    Q_OBJECT
public:
    explicit Principale(const Services& services, QWidget* parent = nullptr);
    ~Principale() override;

    // SheetWindow
    Form& form() override { return *m_form; }
    const Form& form() const override { return *m_form; }
    QWidget* dialogParent() override { return this; }
    Magazine magazine() const override { return m_choixMagazine; }
    void setMagazine(Magazine magazine) override { m_choixMagazine = magazine; }
    void RemiseAZero() override;

    // Does what the magazine's button does; nothing for Magazine::None.
    void chooseMagazine(Magazine chosen);

    // The window's handlers, named after their control and event.
    void Pixelor_Click();
    void Zorvane_Click();
    void RAZ_Click();
    void Onglet_Click();
    void Quitter_Click() { close(); }
    void Sauvegarder_Click();
    void Charger_Click();
    void Imprimer_Click();
    void ListeCategorie_Click();
    void Timer1_Timer();

    void Shareware_Click() { hideOtherDistributionWhenChosen(Field::Shareware); }
    void Freeware_Click() { hideOtherDistributionWhenChosen(Field::Freeware); }
    void DomainePublic_Click() { hideOtherDistributionWhenChosen(Field::DomainePublic); }
    void Assimile_Click() { hideOtherDistributionWhenChosen(Field::Assimile); }
    void OptionAutre_Click();
    void LimitationsOui_Click();
    void LimitationsNon_Click();
    void LicenceAutres_Click();
    void MembreAutre_Click();

    // Files handed over from outside (the command line, a drop), opened as Charger would.
    void openGivenFiles(const QStringList& paths);

private:
    void buildControls();
    void connectHandlers();
    void Form_Load();
    void fillCategories();
    void Saisie_KeyPress(const KeyRule& rule, QChar& code);

    QWidget* control(QStringView name) const;
    QWidget* field(Field which) const { return m_form->widget(which); }
    // Gives the focus, except to a field on a hidden tab while the program sets values.
    void giveFocus(Field which);
    // Choosing one of the named distributions puts away the other mode's field.
    void hideOtherDistributionWhenChosen(Field option);
    void OuvrirDocument(const Link& target) { m_linkOpener.open(target); }

    Services m_services;
    std::unique_ptr<WindowControls> m_controls;
    std::unique_ptr<WidgetForm> m_form;
    TwipsTabWidget* m_onglet = nullptr;
    QTimer* m_timer1 = nullptr;
    QLabel* m_message = nullptr;
    // The banner's left edge, its width and its box's width, in twips: a step only moves.
    int m_messageLeft = 0;
    int m_messageWidth = 0;
    int m_messageBoxWidth = 0;
    SheetFileActions m_fileActions;
    PrintAction m_printAction;
    LinkOpener m_linkOpener;

    Magazine m_choixMagazine = Magazine::None;
    QString m_versionProgramme;
};

} // namespace scribel
