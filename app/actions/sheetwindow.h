#pragma once

#include "platform/core/form.h"
#include "sheet/magazine.h"

class QWidget;

namespace scribel {

// What the file, print and about actions need from the window.
class SheetWindow {
public:
    virtual ~SheetWindow() = default;

    virtual Form& form() = 0;
    virtual const Form& form() const = 0;
    virtual QWidget* dialogParent() = 0;

    // ChoixMagazine.
    virtual Magazine magazine() const = 0;
    // Sets ChoixMagazine alone; the window's title pictures and captions stay as they are.
    virtual void setMagazine(Magazine magazine) = 0;

    // Returns every field to its start state.
    virtual void RemiseAZero() = 0;
};

} // namespace scribel
