#pragma once

#include "platform/core/messageboxes.h"

namespace scribel {

// The message boxes of the running program: QMessageBox, modal, plain text.
class QtMessageBoxes final : public MessageBoxes {
public:
    void show(QWidget* parent, MessageIcon icon, const QString& title,
              const QString& text) override;
    bool ask(QWidget* parent, const QString& title, const QString& text,
             DefaultAnswer defaultAnswer) override;
};

} // namespace scribel
