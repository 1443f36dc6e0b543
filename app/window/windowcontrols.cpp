#include "app/window/windowcontrols.h"

#include "app/about/links.h"
#include "app/window/accessiblecontrols.h"
#include "app/window/controlcatalogue.h"
#include "app/window/controlfactory.h"
#include "app/window/windowtables.h"
#include "platform/core/twips.h"
#include "platform/widgets/twipsgeometry.h"
#include "sheet/magazineprofile.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace scribel {

namespace {

// A label names its field, for the mnemonic and for the screen reader, and stands to
// its left or above it.
void nameBuddy(QLabel& label, QWidget& buddy) {
    label.setBuddy(&buddy);
    if (qobject_cast<QAbstractButton*>(&buddy) == nullptr) {
        buddy.setAccessibleName(label.text()); // a check box has its own caption
    }
    const bool above = twipsGeometry(label).bottom() <= twipsGeometry(buddy).top();
    label.setAlignment(Qt::AlignVCenter | (above ? Qt::AlignLeft : Qt::AlignRight));
}

} // namespace

WindowControls::WindowControls(QWidget& window) {
    const double dpi = window.logicalDpiX();
    window.setFixedSize(twipsToPixels(kWindowWidthTwips, dpi),
                        twipsToPixels(kWindowHeightTwips, dpi));
    for (const ControlSpec& row : controlCatalogue()) {
        QWidget* container = &window;
        if (!row.container.box.isEmpty()) {
            container = control(row.container.box);
        } else if (row.container.tab >= 0) {
            if (m_tabs == nullptr) {
                qFatal("The catalogue places %s on a tab before the tab control",
                       qPrintable(row.name.toString()));
            }
            container = m_tabs->widget(row.container.tab);
        }
        QWidget* widget = createControl(row, container);
        if (row.kind == ControlKind::TabControl) {
            m_tabs = qobject_cast<TwipsTabWidget*>(widget);
        } else if (row.kind == ControlKind::BannerText) {
            m_banner = qobject_cast<QLabel*>(widget);
        }
        m_controls.insert(widget->objectName(), widget);
        if (row.kind == ControlKind::List) {
            nameListByCaption(*qobject_cast<QComboBox*>(widget));
        }
    }

    QWidget* distribution = m_tabs != nullptr ? m_tabs->widget(kDistributionTab) : nullptr;
    if (distribution == nullptr) {
        qFatal("The catalogue holds no distribution tab");
    }
    markAsGroup(*distribution);
    distribution->setAccessibleName(kDistributionGroupName.toString());
    joinControls();
}

void WindowControls::joinControls() const {
    for (const ControlSpec& row : controlCatalogue()) {
        if (row.kind == ControlKind::Label && !row.buddy.isEmpty()) {
            nameBuddy(*qobject_cast<QLabel*>(control(row.name)), *control(row.buddy));
        }
    }
    // A name of its own where the label alone is ambiguous, a description where the caption
    // beside the field completes it.
    control(fieldName(Field::SaisieLogiciel))
        ->setAccessibleName(QStringLiteral("Nom du programme"));
    control(fieldName(Field::SaisieRetribution))
        ->setAccessibleDescription(qobject_cast<QLabel*>(control(u"Label22"))->text());
    for (const Link& link : kLinks) {
        qobject_cast<QPushButton*>(control(link.button))->setText(linkCaption(link));
    }
}

QWidget* WindowControls::control(QStringView name) const {
    QWidget* widget = m_controls.value(name.toString());
    if (widget == nullptr) {
        qFatal("The window has no control named %s", qPrintable(name.toString()));
    }
    return widget;
}

void WindowControls::centreOnTabs() const {
    const double tabWidth = twipsGeometry(*m_tabs).width();
    const auto centre = [&](QWidget& widget) {
        setTwipsLeft(widget, (tabWidth - twipsGeometry(widget).width()) / 2);
    };
    for (const MagazineProfile& magazine : kMagazineProfiles) {
        centre(*control(magazine.titleControl));
    }
    for (const QStringView name : kCentredOnTabs) {
        centre(*control(name));
    }

    // The magazine buttons side by side, as one row centred across the tabs.
    double rowWidth = -kMagazineButtonGapTwips;
    for (const MagazineProfile& magazine : kMagazineProfiles) {
        rowWidth += twipsGeometry(*control(magazine.name)).width() + kMagazineButtonGapTwips;
    }
    double left = (tabWidth - rowWidth) / 2;
    for (const MagazineProfile& magazine : kMagazineProfiles) {
        QWidget& button = *control(magazine.name);
        setTwipsLeft(button, left);
        left += twipsGeometry(button).width() + kMagazineButtonGapTwips;
    }
}

void WindowControls::showTitleOf(const MagazineProfile* chosen) const {
    for (const MagazineProfile& magazine : kMagazineProfiles) {
        control(magazine.titleControl)->setVisible(&magazine == chosen);
    }
}

void WindowControls::presentMagazine(const MagazineProfile& magazine) const {
    showTitleOf(&magazine);
    for (const OptionPlace& place : magazine.distributionOptions) {
        QWidget& option = *control(fieldName(place.option));
        option.setVisible(place.shown);
        setTwipsTop(option, place.top);
        if (place.option == Field::OptionAutre) {
            setTwipsTop(*control(fieldName(Field::SaisieDiffuAutre)), place.top);
        }
    }
    for (const QStringView name : kLicenceControls) {
        control(name)->setVisible(magazine.carriesLicence);
    }
    qobject_cast<QRadioButton*>(control(fieldName(Field::DiffuInedit)))
        ->setText(magazine.ineditCaption.toString());
}

void WindowControls::bringWindowButtonsToFront(bool front) const {
    const auto bring = [front](QWidget& button) {
        if (front) {
            button.show();
            button.raise();
        } else {
            button.lower();
            button.hide(); // behind the tab control they must not take clicks or keys either
        }
        // Nor a screen reader's press, which reaches hidden buttons too.
        button.setEnabled(front);
    };
    for (const MagazineProfile& magazine : kMagazineProfiles) {
        bring(*control(magazine.name));
    }
    bring(*control(u"Quitter"));
}

} // namespace scribel
