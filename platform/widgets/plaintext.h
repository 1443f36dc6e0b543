#pragma once

#include <QString>

class QPlainTextEdit;

namespace scribel {

// A multi-line field's text exactly as it holds it, each line break a single '\n'.
// (QPlainTextEdit::toPlainText() would turn no-break spaces into plain spaces.)
QString plainTextOf(const QPlainTextEdit& edit);

} // namespace scribel
