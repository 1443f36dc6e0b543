#pragma once

#include "sheet/field.h"

#include <QStringView>
#include <vector>

namespace scribel {

enum class ControlKind {
    LineEdit, // single-line text field
    TextArea, // multi-line text field with a vertical scroll bar
    Option,   // option button, exclusive within its container
    CheckBox,
    List,  // pick-only drop-down list
    Label, // caption naming the field given as buddy
    GroupBox,
    Group, // a row of controls with no box drawn, which its label names as one group
    TabControl,
    Button,
    PictureButton, // button showing a picture and no text
    Picture,       // picture stretched to the control
    Panel,         // About panel with a centred caption
    BannerBox,     // light-yellow box that clips the banner
    BannerText,    // the moving banner inside its box
    InfoText,      // read-only information text
};

enum class StartState { Shown, Hidden, Disabled };

// Where a control stands: on the window, on a tab of the tab control, or in a group box.
struct Container {
    int tab = -1;         // -1 for the window itself
    QStringView box = {}; // a group box's name, which stands on `tab`
};

constexpr Container onWindow() {
    return {};
}
constexpr Container onTab(int tab) {
    return {tab, {}};
}
constexpr Container inBox(int tab, QStringView box) {
    return {tab, box};
}

// One control of the window, as laid out in twips.
struct ControlSpec {
    QStringView name;
    ControlKind kind;
    Container container;
    QStringView caption; // label or button text; the accessible name of a field with no label
    int limit;           // typing limit of a text field
    double left, top, width, height;
    StartState start = StartState::Shown;
    QStringView buddy = {}; // for a label: the field it names
    QStringView picture = {};
};

struct TabSpec {
    QStringView caption;
};

// The seven tabs of the tab control, in order.
const std::vector<TabSpec>& tabCatalogue();

// Every control of the window, each container before what it holds, each tab's controls
// in reading order (which is the Tab key's order).
const std::vector<ControlSpec>& controlCatalogue();

} // namespace scribel
