#include "qtfiledialogs.h"

#include "focusreturn.h"
#include "platform/core/chosenfilecheck.h"
#include "platform/core/messageboxes.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <utility>

namespace scribel {

namespace {

// Qt's dialog with the checks the sheet's dialogs make before closing on a name.
class CheckedFileDialog final : public QFileDialog {
public:
    CheckedFileDialog(QWidget* parent, const FileDialogRequest& request, AcceptMode mode,
                      MessageBoxes& messages)
        : QFileDialog(parent), m_messages(messages) {
        // The checks below run only in Qt's own dialog, never in a desktop one.
        setOption(QFileDialog::DontUseNativeDialog);
        setOption(QFileDialog::DontConfirmOverwrite); // asked below, after the read-only test
        setAcceptMode(mode);
        setFileMode(QFileDialog::AnyFile);
        applyRequest(*this, request);
    }

    // The file the author chose, once the dialog is accepted.
    const QString& chosenPath() const { return m_chosen; }

    // The name in the line edit is the file chosen, taken whole: Qt's own reading would
    // split it on double quotes and prefer whatever the list has selected.
    void accept() override {
        const QString typed = nameEdit() != nullptr ? nameEdit()->text() : QString();
        if (typed.isEmpty()) {
            QFileDialog::accept(); // Qt enters the folder selected in the list, if any
            return;
        }
        const QString path = wholePath(typed);
        if (QFileInfo(path).isDir()) {
            setDirectory(path);
            nameEdit()->clear();
            return;
        }
        m_typedPath = path;
        done(QDialog::Accepted); // what QDialog::accept() does, without Qt's reading of the name
    }

    void done(int result) override {
        const QString typedPath = std::exchange(m_typedPath, QString());
        // With nothing typed, Qt closes on the file still selected in the list.
        const QString path = typedPath.isEmpty() ? selectedFiles().value(0) : typedPath;
        if (result != QDialog::Accepted || path.isEmpty()) {
            QFileDialog::done(result);
            return;
        }
        const QFileInfo chosen(path);
        const ChosenFileVerdict verdict =
            acceptMode() == AcceptSave ? checkSaveChoice(chosen) : checkOpenChoice(chosen);
        if (mayClose(responseTo(verdict, chosen))) {
            m_chosen = chosen.absoluteFilePath();
            QFileDialog::done(result);
        }
    }

protected:
    void showEvent(QShowEvent* event) override {
        if (!m_nameTakenWhole) {
            takeNamesWhole();
        }
        QFileDialog::showEvent(event);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        // Enter always reaches accept() once, even while Qt greys out its button for a
        // name longer than the system allows: that name is then refused with a message.
        if (event->type() == QEvent::KeyPress && watched == nameEdit()) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                accept();
                return true;
            }
        }
        return QFileDialog::eventFilter(watched, event);
    }

private:
    QLineEdit* nameEdit() const { return findChild<QLineEdit*>(QStringLiteral("fileNameEdit")); }

    // Qt makes its widgets only when the dialog is first shown. Its completion of a
    // typed name selects in the list the files it reads in the text, split on double
    // quotes, and then writes the selected file's name back into the text: a click on
    // 'Le "best".pxr' would show and choose "best.pxr". The list follows the whole name
    // here instead.
    void takeNamesWhole() {
        QLineEdit* edit = nameEdit();
        auto* list = findChild<QAbstractItemView*>(QStringLiteral("listView"));
        auto* files = findChild<QFileSystemModel*>();
        if (edit == nullptr || list == nullptr || files == nullptr) {
            return;
        }
        m_nameTakenWhole = true;
        edit->installEventFilter(this);
        const char* splitting = SLOT(_q_autoCompleteFileName(QString));
        if (metaObject()->indexOfSlot(
                QMetaObject::normalizedSignature(splitting + 1).constData()) >= 0) {
            disconnect(edit, SIGNAL(textChanged(QString)), this, splitting);
        }
        connect(edit, &QLineEdit::textEdited, this, [this, list, files](const QString& typed) {
            const QModelIndex typedFile = files->index(wholePath(typed));
            if (typedFile.isValid() && !typed.isEmpty()) {
                list->selectionModel()->select(typedFile, QItemSelectionModel::ClearAndSelect |
                                                              QItemSelectionModel::Rows);
            } else {
                list->selectionModel()->clearSelection();
            }
        });
    }

    // The typed name in the dialog's folder, with the default suffix when it has none,
    // as Qt itself completes a typed name.
    QString wholePath(const QString& typed) const {
        const bool fromHome = typed == u'~' || typed.startsWith(QStringLiteral("~/"));
        QString path =
            fromHome ? QDir::homePath() + typed.mid(1) : directory().absoluteFilePath(typed);
        if (!defaultSuffix().isEmpty() && !QFileInfo(path).isDir() &&
            !QFileInfo(path).fileName().contains(u'.')) {
            path += u'.' + defaultSuffix();
        }
        return path;
    }

    bool mayClose(const ChosenFileResponse& response) {
        if (response.kind == ChosenFileResponse::Kind::Close) {
            return true;
        }
        if (response.kind == ChosenFileResponse::Kind::Ask) {
            return m_messages.ask(this, windowTitle(), response.text, response.defaultAnswer);
        }
        m_messages.show(this, MessageIcon::Warning, windowTitle(), response.text);
        return false;
    }

    MessageBoxes& m_messages;
    bool m_nameTakenWhole = false;
    QString m_typedPath;
    QString m_chosen;
};

std::optional<QString> ask(QWidget* parent, const FileDialogRequest& request,
                           QFileDialog::AcceptMode mode, MessageBoxes& messages) {
    const FocusReturn focusReturn(parent);
    CheckedFileDialog dialog(parent, request, mode, messages);
    if (dialog.exec() != QDialog::Accepted || dialog.chosenPath().isEmpty()) {
        return std::nullopt;
    }
    return dialog.chosenPath();
}

} // namespace

void applyRequest(QFileDialog& dialog, const FileDialogRequest& request) {
    dialog.setWindowTitle(request.title);
    dialog.setNameFilter(request.fileTypeText);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.selectFile(request.initialName);
}

std::optional<QString> QtFileDialogs::askSaveFile(QWidget* parent,
                                                  const FileDialogRequest& request) {
    return ask(parent, request, QFileDialog::AcceptSave, m_messages);
}

std::optional<QString> QtFileDialogs::askOpenFile(QWidget* parent,
                                                  const FileDialogRequest& request) {
    return ask(parent, request, QFileDialog::AcceptOpen, m_messages);
}

} // namespace scribel
