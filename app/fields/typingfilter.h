#pragma once

#include <QInputMethodEvent>
#include <QString>
#include <QStringView>
#include <Qt>
#include <functional>
#include <optional>

namespace scribel {

// What a field takes of a typed, pasted, dropped or composed text: the characters the code
// page can hold, in the form it holds them. A combining mark joins the character before it
// (the one before the insertion included) when the code page holds the result, else it is
// refused. A character the code page lacks takes its compatibility form when the code page
// holds all of it ("ﬁ" becomes "fi"); anything else is refused (format characters, emoji,
// other scripts, control characters). A multi-line field takes each line break as one
// character and a tab as a space; a single-line field takes each run of them as one space.
// Characters go in whole, in order, while the field has room.
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

// Whether a key inserts its text into a field, as Qt's own fields decide, but also format
// characters (some keyboards type them with Ctrl+Shift) and, on several lines, a tab.
bool insertsText(QStringView keyText, Qt::KeyboardModifiers modifiers, bool multiLine);

// The part an input method asks to replace, from the caret, kept within the text (once the
// selection is removed, which Qt does first): Qt would pad the text with spaces to reach it.
struct Replacement {
    int start;
    int length;
};
Replacement keptWithinText(Replacement asked, int caret, int textLength);

// An input method's commit as a field takes it in place of its `selected` characters from
// `caret`, in a text of `length` characters that `characterAt` reads: the admitted text and
// the part it replaces. Nothing when the rule refuses it all: what it would replace stays.
struct Commit {
    Admission admission;
    Replacement replaced;
};
std::optional<Commit> admitCommit(const QInputMethodEvent& event, int caret, int selected,
                                  int length, const std::function<QChar(int)>& characterAt,
                                  int limit, bool multiLine);

} // namespace scribel
