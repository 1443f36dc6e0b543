#pragma once

#include <QString>
#include <QStringView>
#include <Qt>

namespace scribel {

// The characters of an inserted text that a field can hold, in the form the code page
// holds them. The text is composed first (a decomposed "é" becomes one character); a
// character the code page still lacks takes its compatibility form when the code page
// holds all of that form (the ligature "ﬁ" becomes "fi", a narrow no-break space a
// space, a full-width letter the plain one); anything else is refused: invisible
// format characters, emoji, letters of other scripts. Control characters are refused
// too, but for a line break in a multi-line field (which counts as one character).
QString storableCharacters(QStringView inserted, bool multiLine);

// The part of a typed, pasted or dropped text that a field takes: its storable
// characters, cut so that the field does not grow past its limit; a field that
// already holds more than its limit (text set by the program) may shrink but not grow.
//   keptLength: what stays of the field around the insertion;
//   previousLength: the field's length before the edit.
QString admitInsertion(QStringView inserted, qsizetype keptLength, qsizetype previousLength,
                       int limit, bool multiLine);

// Whether a key with this text and these modifiers inserts its text into a field, as
// Qt's own fields decide: not editing keys and control codes, nor Ctrl shortcuts; but
// format characters, which some keyboards type with Ctrl+Shift, and in a multi-line
// field a text that starts with a tab (from any key but Tab itself).
bool insertsText(QStringView keyText, Qt::KeyboardModifiers modifiers, bool multiLine);

// The part of the text an input method asks to replace, as a start relative to the caret
// and a length, kept within the text: Qt would pad the text with spaces nobody typed to
// reach a place past its end. caret and textLength as they are once the selection is
// removed, which Qt does first.
struct Replacement {
    int start;
    int length;
};
Replacement keptWithinText(Replacement asked, int caret, int textLength);

} // namespace scribel
