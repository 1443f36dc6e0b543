#pragma once

#include <QString>

class QWidget;

namespace scribel {

enum class MessageIcon { Information, Warning, Critical, Question };

// The answer Enter gives to a question.
enum class DefaultAnswer { Yes, No };

// Modal message boxes. Tests hand the window a double that records what was shown.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // A message with a single OK button.
    virtual void show(QWidget* parent, MessageIcon icon, const QString& title,
                      const QString& text) = 0;
    // A question answered by "Oui" (true) or "Non" (false); Escape answers "Non".
    virtual bool ask(QWidget* parent, const QString& title, const QString& text,
                     DefaultAnswer defaultAnswer) = 0;
};

} // namespace scribel
