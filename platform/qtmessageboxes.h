#pragma once

#include "messageboxes.h"

namespace scribel {

// The message boxes of the running program: QMessageBox, modal, plain text.
class QtMessageBoxes final : public MessageBoxes {
public:
    QtMessageBoxes() = default;

    void show(QWidget* parent, MessageIcon icon, const QString& title,
              const QString& text) override;
    // "Non" is the default answer: Enter alone never replaces or creates anything.
    bool ask(QWidget* parent, const QString& title, const QString& text) override;
};

} // namespace scribel
