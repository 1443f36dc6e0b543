// libFuzzer target: arbitrary UTF-16 text inserted into each kind of field, by every way
// the author has (a key press carrying text, an input method's commit, paste, drop),
// mixed with editing keys and undo. Whatever happens, the field's text must encode to
// the code page, hold no control character but a multi-line field's line break, and
// stay within the field's limit.

#include "app/fields/keyrules.h"
#include "app/fields/sheetlineedit.h"
#include "app/fields/sheettextedit.h"
#include "fuzzapplication.h"
#include "platform/core/windows1252.h"
#include "platform/widgets/plaintext.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

using namespace scribel;

namespace {

// Reads the fuzzer's bytes front to back; past the end every read gives zero.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    bool atEnd() const { return m_pos >= m_size; }
    std::uint8_t byte() { return atEnd() ? 0 : m_data[m_pos++]; }
    QString text() {
        const int length = byte() % 24;
        QString text;
        for (int i = 0; i < length && !atEnd(); ++i) {
            const int high = byte();
            text.append(QChar(static_cast<char16_t>(high << 8 | byte())));
        }
        return text;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

enum class Kind { Line, LineWithCaseRule, MultiLine };

struct Harness {
    QWidget parent;
    std::unique_ptr<QWidget> field;
    Kind kind = Kind::Line;
    int limit = 0;
    QString textBefore;

    QString text() const {
        if (kind == Kind::MultiLine) {
            return plainTextOf(*static_cast<QPlainTextEdit*>(field.get()));
        }
        return static_cast<QLineEdit*>(field.get())->text();
    }
};

Harness* harness = nullptr;

void check(const QString& text, bool multiLine, int limit) {
    if (text.size() > limit) {
        std::abort();
    }
    for (const QChar ch : text) {
        const char16_t code = ch.unicode();
        if (ch == u'\n' && multiLine) {
            continue;
        }
        if (code < 0x20 || code == 0x7F || (code >= 0x80 && code <= 0x9F) ||
            !cp1252::isEncodable(ch)) {
            std::abort();
        }
    }
}

constexpr Qt::KeyboardModifiers kModifiers[] = {
    Qt::NoModifier,      Qt::ShiftModifier,
    Qt::ControlModifier, Qt::ControlModifier | Qt::ShiftModifier,
    Qt::AltModifier,     Qt::ControlModifier | Qt::AltModifier,
    Qt::KeypadModifier,  Qt::MetaModifier,
};

constexpr Qt::Key kEditingKeys[] = {
    Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left,   Qt::Key_Right,   Qt::Key_Home, Qt::Key_End,
    Qt::Key_Return,    Qt::Key_Enter,  Qt::Key_Tab,    Qt::Key_A,       Qt::Key_Z,    Qt::Key_Y,
    Qt::Key_V,         Qt::Key_X,      Qt::Key_Insert, Qt::Key_unknown,
};

void press(QWidget* field, Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(field, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(field, &release);
}

// A drop, offered as a move with Shift. A drop the field takes changes its text; one it
// refuses leaves the text as it was and is not taken, so the drag's source keeps it all.
void drop(QWidget* field, const QString& text, Qt::KeyboardModifiers modifiers) {
    auto* area = qobject_cast<QAbstractScrollArea*>(field);
    QWidget* target = area != nullptr ? area->viewport() : field;
    const QPoint centre = target->rect().center();
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QMimeData data;
    data.setText(text);
    QDragEnterEvent enter(centre, actions, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(target, &enter);
    QDropEvent dropped(QPointF(centre), actions, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(target, &dropped);
    if (dropped.isAccepted() == (harness->text() == harness->textBefore)) {
        std::abort();
    }
}

void perform(Input& input, QWidget* field) {
    const std::uint8_t operation = input.byte();
    const Qt::KeyboardModifiers modifiers = kModifiers[(operation >> 3) % 8];
    switch (operation % 6) {
    case 0: // a key press carrying text, as on-screen keyboards send
        press(field, Qt::Key_unknown, modifiers, input.text());
        break;
    case 1: { // an input method's commit, perhaps replacing text, with a new composition
        QInputMethodEvent commit(input.text(), {});
        const int start = static_cast<std::int8_t>(input.byte()) % 8;
        commit.setCommitString(input.text(), start, input.byte() % 8);
        QApplication::sendEvent(field, &commit);
        break;
    }
    case 2:
        QApplication::clipboard()->setText(input.text());
        press(field, Qt::Key_V, Qt::ControlModifier, QString());
        break;
    case 3:
        harness->textBefore = harness->text();
        drop(field, input.text(), modifiers);
        break;
    case 4: // an editing key, a shortcut or Enter, with what its key event may carry
        press(field, kEditingKeys[input.byte() % 16], modifiers,
              input.byte() % 2 == 0 ? QString() : input.text());
        break;
    default: // a printable key as a real keyboard sends it
        press(field, Qt::Key_unknown, modifiers,
              QString(QChar(static_cast<char16_t>(0x20 + input.byte() % 0x60))));
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char*** argv) {
    test::startOffscreenApplication(argv);
    harness = new Harness; // lives until the process ends
    // Shown, as the author sees a field: Qt lays out a never-shown text box lazily, and
    // an input method's composition in it can leave a block without lines to draw on.
    harness->parent.resize(400, 200);
    harness->parent.show();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input input(data, size);
    const std::uint8_t shape = input.byte();
    harness->kind = static_cast<Kind>(shape % 3);
    harness->limit = 1 + input.byte() % 64;
    static constexpr CaseRule kRules[] = {CaseRule::Always, CaseRule::FirstCharacter,
                                          CaseRule::WordStarts, CaseRule::None};
    if (harness->kind == Kind::MultiLine) {
        harness->field = std::make_unique<SheetTextEdit>(harness->limit, &harness->parent);
    } else {
        auto* edit = new SheetLineEdit(harness->limit, &harness->parent);
        if (harness->kind == Kind::LineWithCaseRule) {
            const CaseRule rule = kRules[(shape >> 2) % 4];
            edit->setKeyHook([edit, rule](QChar& code) {
                if (code != QChar(kEnterCode)) {
                    code = applyCaseRule(rule, code, edit->text());
                }
            });
        }
        harness->field.reset(edit);
    }
    harness->field->show();
    harness->field->setFocus();
    const bool multiLine = harness->kind == Kind::MultiLine;
    while (!input.atEnd()) {
        perform(input, harness->field.get());
        check(harness->text(), multiLine, harness->limit);
    }
    harness->field.reset();
    return 0;
}
