#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace scribel {

// What the file dialog shows: the file-type text is the only entry of its type list.
struct FileDialogRequest {
    QString title;
    QString fileTypeText;
    QString initialName;
    QString defaultSuffix;
};

// The save and open dialogs. Tests hand the window a double with scripted answers.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    // The chosen file's absolute path, or nothing when the author cancels. The save
    // dialog has already asked before replacing or creating a file.
    virtual std::optional<QString> askSaveFile(QWidget* parent,
                                               const FileDialogRequest& request) = 0;
    virtual std::optional<QString> askOpenFile(QWidget* parent,
                                               const FileDialogRequest& request) = 0;
};

} // namespace scribel
