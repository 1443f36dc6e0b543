#pragma once

#include "platform/core/filedialogs.h"

class QFileDialog;

namespace scribel {

class MessageBoxes;

// The file dialogs of the running program: Qt's own dialog, so that it speaks the
// language of the translations the program loaded. The save dialog asks before
// replacing a file and before creating one, and refuses a read-only file or folder;
// the open dialog takes any existing folder's file, read-only ones included. Questions
// and refusals go through the message boxes it is given.
class QtFileDialogs final : public FileDialogs {
public:
    explicit QtFileDialogs(MessageBoxes& messages) : m_messages(messages) {}

    std::optional<QString> askSaveFile(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QString> askOpenFile(QWidget* parent, const FileDialogRequest& request) override;

private:
    MessageBoxes& m_messages;
};

// Gives a dialog the request's title, its file-type text as the only entry of the type
// list, the initial name and the default suffix. Apart so that tests can look at it.
void applyRequest(QFileDialog& dialog, const FileDialogRequest& request);

} // namespace scribel
