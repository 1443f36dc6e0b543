#pragma once

#include "app/window/controlcatalogue.h"

#include <QFont>

class QWidget;

namespace scribel {

// The sheet's typeface at a given size.
QFont arial(double points, bool bold = false, bool italic = false);

// Makes the control of one catalogue row inside its container: named, placed in twips,
// shown or hidden and enabled as it starts. Option buttons of one container share one
// exclusive group. A tab control comes with its seven pages.
QWidget* createControl(const ControlSpec& row, QWidget* container);

} // namespace scribel
