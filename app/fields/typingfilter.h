#pragma once

#include <QString>
#include <QStringView>
#include <Qt>

namespace scribel {

// What a field takes of a typed, pasted, dropped or composed text: the characters the
// code page can hold, in the form it holds them. A combining mark joins the character
// before it, the one before the insertion included, when the code page holds the result
// (a decomposed "é" becomes one character); otherwise the mark alone is refused. A
// character the code page lacks takes its compatibility form when the code page holds all
// of that form (the ligature "ﬁ" becomes "fi", a narrow no-break space a space, a
// full-width letter the plain one); anything else is refused: invisible format characters,
// emoji, letters of other scripts, control characters. A multi-line field takes each line
// break (CR LF, CR, LF, NEL, VT, FF, the line and paragraph separators) as one character
// and a tab as a space; a single-line field takes each run of line breaks and tabs as one
// space. Characters go in whole, in order, while the field has room: one whose form does
// not fit whole ends the insertion.
struct Admission {
    QString text;
    // The first character of `text` takes the place of the one before the insertion.
    bool replacesPrevious = false;
    // Every inserted character went in, in one form or another.
    bool whole = true;
};

//   before: the character before the insertion, null at the start of the text;
//   keptLength: what stays of the field around the insertion;
//   previousLength: the field's length before the edit. A field that already holds more
//   than its limit (text set by the program) may shrink but not grow.
Admission admitInsertion(QStringView inserted, QChar before, qsizetype keptLength,
                         qsizetype previousLength, int limit, bool multiLine);

// Whether a field may hold this text at all: every character storable as it is.
bool isStorable(QStringView text, bool multiLine);

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
