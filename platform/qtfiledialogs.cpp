#include "qtfiledialogs.h"

#include "chosenfilecheck.h"
#include "messageboxes.h"

#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <climits>
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
        m_nameEdit = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (m_nameEdit != nullptr) {
            m_nameEdit->installEventFilter(this);
        }
    }

    // The file the author chose, once the dialog is accepted.
    const QString& chosenPath() const { return m_chosen; }

    void accept() override {
        const QString typed = m_nameEdit != nullptr ? m_nameEdit->text() : QString();
        if (!takesWhole(typed)) {
            QFileDialog::accept();
            return;
        }
        const QString path = wholePath(typed);
        if (QFileInfo(path).isDir()) {
            setDirectory(path);
            m_nameEdit->clear();
            return;
        }
        m_typedPath = path;
        QDialog::accept();
    }

    void done(int result) override {
        const QString typedPath = std::exchange(m_typedPath, QString());
        if (result != QDialog::Accepted) {
            QFileDialog::done(result);
            return;
        }
        const QString path = !typedPath.isEmpty()        ? typedPath
                             : selectedFiles().isEmpty() ? QString()
                                                         : selectedFiles().constFirst();
        if (path.isEmpty()) {
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
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Enter on a name Qt's own parsing would change or silently refuse: this dialog
        // takes it, even while Qt has greyed out its button.
        if (watched == m_nameEdit && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && takesWhole(m_nameEdit->text())) {
                accept();
                return true;
            }
        }
        return QFileDialog::eventFilter(watched, event);
    }

private:
    // Qt reads double quotes in the typed text as marks around several names, and
    // keeps its button greyed for a name longer than the system allows: such a name is
    // taken whole here, as the one file the author chose.
    static bool takesWhole(const QString& typed) {
        return typed.contains(u'"') ||
               QFile::encodeName(QFileInfo(typed).fileName()).size() > NAME_MAX ||
               QFile::encodeName(typed).size() >= PATH_MAX;
    }

    // The typed name in the dialog's folder, with the default suffix when it has none,
    // as Qt itself completes a typed name.
    QString wholePath(const QString& typed) const {
        QString path = directory().absoluteFilePath(typed);
        if (!defaultSuffix().isEmpty() && !QFileInfo(path).isDir() &&
            !QFileInfo(path).fileName().contains(u'.')) {
            path += u'.' + defaultSuffix();
        }
        return path;
    }

    bool mayClose(const ChosenFileResponse& response) {
        switch (response.kind) {
        case ChosenFileResponse::Kind::Close:
            return true;
        case ChosenFileResponse::Kind::Ask:
            return m_messages.ask(this, windowTitle(), response.text, response.defaultAnswer);
        case ChosenFileResponse::Kind::Refuse:
            m_messages.show(this, MessageIcon::Warning, windowTitle(), response.text);
            return false;
        }
        return false;
    }

    MessageBoxes& m_messages;
    QLineEdit* m_nameEdit = nullptr;
    QString m_typedPath;
    QString m_chosen;
};

std::optional<QString> ask(QWidget* parent, const FileDialogRequest& request,
                           QFileDialog::AcceptMode mode, MessageBoxes& messages) {
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
