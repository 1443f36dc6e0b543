#include "qtfiledialogs.h"

#include "chosenfilecheck.h"
#include "qtmessageboxes.h"

#include <QDir>
#include <QFileDialog>

namespace scribel {

namespace {

QString quoted(const QString& name) {
    return QStringLiteral("« ") + name + QStringLiteral(" »");
}

// Qt's dialog with the checks the sheet's dialogs make before closing on a name.
class CheckedFileDialog final : public QFileDialog {
public:
    CheckedFileDialog(QWidget* parent, const FileDialogRequest& request, AcceptMode mode)
        : QFileDialog(parent) {
        // The checks below run only in Qt's own dialog, never in a desktop one.
        setOption(QFileDialog::DontUseNativeDialog);
        setOption(QFileDialog::DontConfirmOverwrite); // asked below, after the read-only test
        setAcceptMode(mode);
        setFileMode(QFileDialog::AnyFile);
        applyRequest(*this, request);
    }

    void done(int result) override {
        if (result != QDialog::Accepted || selectedFiles().isEmpty()) {
            QFileDialog::done(result);
            return;
        }
        const QFileInfo chosen(selectedFiles().constFirst());
        const ChosenFileVerdict verdict =
            acceptMode() == AcceptSave ? checkSaveChoice(chosen) : checkOpenChoice(chosen);
        if (mayClose(verdict, chosen)) {
            QFileDialog::done(result);
        }
    }

private:
    bool mayClose(ChosenFileVerdict verdict, const QFileInfo& chosen) {
        const QString file = quoted(chosen.fileName());
        const QString folder = quoted(QDir::toNativeSeparators(chosen.absolutePath()));
        switch (verdict) {
        case ChosenFileVerdict::Accept:
            return true;
        case ChosenFileVerdict::AskReplace:
            return m_boxes.ask(this, windowTitle(),
                               QStringLiteral("Le fichier %1 existe déjà.\n"
                                              "Voulez-vous le remplacer ?")
                                   .arg(file),
                               DefaultAnswer::No);
        case ChosenFileVerdict::AskCreate:
            return m_boxes.ask(this, windowTitle(),
                               QStringLiteral("Le fichier %1 n'existe pas.\n"
                                              "Voulez-vous le créer ?")
                                   .arg(file),
                               DefaultAnswer::Yes);
        case ChosenFileVerdict::StayOpen:
            return false;
        case ChosenFileVerdict::RefuseMissingFolder:
            refuse(QStringLiteral("Le dossier %1 n'existe pas.").arg(folder));
            return false;
        case ChosenFileVerdict::RefuseReadOnlyFile:
            refuse(QStringLiteral("Le fichier %1 est en lecture seule.\n"
                                  "Choisissez un autre nom.")
                       .arg(file));
            return false;
        case ChosenFileVerdict::RefuseReadOnlyFolder:
            refuse(QStringLiteral("Le dossier %1 est protégé en écriture.\n"
                                  "Choisissez un autre dossier.")
                       .arg(folder));
            return false;
        case ChosenFileVerdict::RefuseNotAFile:
            refuse(QStringLiteral("%1 n'est pas un fichier.").arg(file));
            return false;
        }
        return false;
    }

    void refuse(const QString& text) {
        m_boxes.show(this, MessageIcon::Warning, windowTitle(), text);
    }

    QtMessageBoxes m_boxes;
};

std::optional<QString> ask(QWidget* parent, const FileDialogRequest& request,
                           QFileDialog::AcceptMode mode) {
    CheckedFileDialog dialog(parent, request, mode);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
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
    return ask(parent, request, QFileDialog::AcceptSave);
}

std::optional<QString> QtFileDialogs::askOpenFile(QWidget* parent,
                                                  const FileDialogRequest& request) {
    return ask(parent, request, QFileDialog::AcceptOpen);
}

} // namespace scribel
