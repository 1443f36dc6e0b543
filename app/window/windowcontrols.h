#pragma once

#include <QHash>
#include <QString>
#include <QStringView>

class QLabel;
class QWidget;

namespace scribel {

struct MagazineProfile;
class TwipsTabWidget;

// Every control of the window, made from the catalogue and reached by its name.
class WindowControls final {
public:
    // Sizes the window and makes every control, each inside its container; labels name
    // their fields and the link buttons get their captions.
    explicit WindowControls(QWidget& window);

    // Stops the program on a name the catalogue does not hold, in every build.
    QWidget* control(QStringView name) const;
    TwipsTabWidget* tabs() const { return m_tabs; }
    QLabel* banner() const { return m_banner; }

    // Centres the title pictures, the banner and the row of magazine buttons across the
    // tab control.
    void centreOnTabs() const;

    // Shows the chosen magazine's title picture alone; none at all without a magazine.
    void showTitleOf(const MagazineProfile* chosen) const;
    // Lays the sheet out as the magazine has it: its title, its distribution options, the
    // licence's controls if its sheet carries one, the caption of its release option.
    void presentMagazine(const MagazineProfile& magazine) const;
    // The window's own buttons (each magazine's, then Quitter) stand in front over the
    // start tab, and out of reach behind the tab control elsewhere.
    void bringWindowButtonsToFront(bool front) const;

private:
    // Names and captions that join two controls, or a control and a table.
    void joinControls() const;

    QHash<QString, QWidget*> m_controls;
    TwipsTabWidget* m_tabs = nullptr;
    QLabel* m_banner = nullptr;
};

} // namespace scribel
