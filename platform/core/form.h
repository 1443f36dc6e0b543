#pragma once

#include "sheet/field.h"

#include <QString>

namespace scribel {

// The sheet's fields, reached by control name. The window implements it; the file
// and print code read and write the sheet only through it. Every change made through
// this interface is a change by program: the controls' own change handlers run, as
// they would for the author's action.
class Form {
public:
    virtual ~Form() = default;

    // A text field's text, or the chosen entry of a list ("" when nothing is chosen).
    virtual QString text(Field field) const = 0;
    // Sets a text field's whole text, never cut to its typing limit; for a list,
    // chooses the entry with exactly that text, or nothing when no entry has it.
    virtual void setText(Field field, const QString& text) = 0;

    // Whether an option is chosen or a check box ticked.
    virtual bool isOn(Field field) const = 0;
    // Choosing an option turns the others of its group off; turning one off leaves
    // its group with nothing chosen.
    virtual void setOn(Field field, bool on) = 0;
};

} // namespace scribel
