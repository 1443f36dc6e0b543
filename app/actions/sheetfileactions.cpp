#include "sheetfileactions.h"

#include "platform/core/systemerrortext.h"
#include "platform/core/textfile.h"
#include "sheetfile/dialogtexts.h"
#include "sheetfile/earlierlayout.h"
#include "sheetfile/sheetcodec.h"
#include "sheetfile/sheetlayout.h"
#include "version.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace scribel {

namespace {

QString earlierVersionWarning() {
    return QStringList{
        QStringLiteral("Ce fichier a été créé avec une version antérieure de SCRIBEL"),
        QStringLiteral("L'import va être réalisé mais certains nouveaux champs ne seront pas"),
        QStringLiteral("complets."),
        QStringLiteral("Vérifiez bien tous les champs avant de sauvegarder ou d'imprimer."),
    }
        .join(u'\n');
}

QString problemText(FileProblem problem) {
    switch (problem) {
    case FileProblem::Missing:
        return QStringLiteral("il n'existe pas");
    case FileProblem::NotAFile:
        return QStringLiteral("ce n'est pas un fichier");
    case FileProblem::CannotOpen:
        return QStringLiteral("il ne peut pas être ouvert en lecture");
    case FileProblem::CannotRead:
        return QStringLiteral("sa lecture a échoué");
    case FileProblem::TooLarge:
        return QStringLiteral("il est bien trop gros pour être une Scribel");
    case FileProblem::ReadOnlyTarget:
        return QStringLiteral("il est en lecture seule");
    case FileProblem::CannotCreate:
        return QStringLiteral("il ne peut pas être écrit dans ce dossier");
    case FileProblem::WriteFailed:
        return QStringLiteral("l'écriture n'a pas abouti");
    case FileProblem::CannotReplace:
        return QStringLiteral("il n'a pas pu remplacer l'ancien fichier");
    case FileProblem::AccessDenied:
        return QStringLiteral("vous n'avez pas le droit de l'ouvrir");
    case FileProblem::FolderNotEnterable:
        return QStringLiteral("vous n'avez pas le droit d'entrer dans son dossier");
    case FileProblem::NameTooLong:
        return QStringLiteral("son nom dépasse 255 octets");
    case FileProblem::PathTooLong:
        return QStringLiteral("son chemin complet dépasse 4 096 octets");
    case FileProblem::InvalidName:
        return QStringLiteral("son nom contient des caractères non valides");
    }
    return {};
}

// The problem, and the system's reason in French when it adds something to it.
QString reasonText(const FileError& error) {
    QString reason = problemText(error.problem);
    switch (error.problem) {
    case FileProblem::CannotOpen:
    case FileProblem::CannotRead:
    case FileProblem::CannotCreate:
    case FileProblem::WriteFailed:
    case FileProblem::CannotReplace:
        if (error.systemError != 0) {
            reason += QStringLiteral(" (") + systemErrorText(error.systemError) + u')';
        } else if (error.problem == FileProblem::WriteFailed) {
            reason += QStringLiteral(", le disque est peut-être plein");
        }
        break;
    default:
        break;
    }
    return reason;
}

QString tooManyLinesReason() {
    return QStringLiteral("il compte plus de %1 lignes").arg(sheetfile::kMaxLines);
}

QString overlongLineReason(const sheetfile::OverlongLine& line) {
    const QLocale french(QLocale::French, QLocale::France);
    return QStringLiteral("sa ligne %1 compte %2 caractères, plus que les %3 qu'une entrée "
                          "de la fiche peut contenir")
        .arg(line.number)
        .arg(french.toString(line.length), french.toString(sheetfile::kMaxLineLength));
}

QString loadRefusalText(const QString& path, const QString& reason) {
    return QStringLiteral("Le fichier « %1 » n'a pas été chargé : %2.\n"
                          "La fiche affichée reste telle qu'elle était.")
        .arg(QFileInfo(path).fileName(), reason);
}

QString saveFailureText(const QString& path, const QString& reason) {
    return QStringLiteral("Le fichier « %1 » n'a pas été enregistré : %2.\n"
                          "Aucun fichier n'a été modifié.")
        .arg(QFileInfo(path).fileName(), reason);
}

// A confirmed dialog leaves the process in the chosen file's folder, where the
// association's documents are looked up later.
void enterFolderOf(const QString& path) {
    QDir::setCurrent(QFileInfo(path).absolutePath());
}

} // namespace

SheetFileActions::SheetFileActions(SheetWindow& window, const Services& services)
    : m_window(window), m_services(services) {}

void SheetFileActions::save() {
    const Magazine magazine = m_window.magazine();
    const auto request = sheetfile::saveDialogRequest(magazine);
    if (!request) {
        return;
    }
    const auto path = m_services.fileDialogs.askSaveFile(m_window.dialogParent(), *request);
    if (!path) {
        return;
    }
    enterFolderOf(*path);
    const QByteArray bytes = sheetfile::encodeSheetFile(m_window.form(), magazine);
    if (const auto error = writeFileAtomically(*path, bytes)) {
        tell(MessageIcon::Critical, saveFailureText(*path, reasonText(*error)));
    }
}

void SheetFileActions::load() {
    const auto request = sheetfile::openDialogRequest(m_window.magazine());
    if (!request) {
        return;
    }
    const auto path = m_services.fileDialogs.askOpenFile(m_window.dialogParent(), *request);
    if (path) {
        loadFile(*path);
    }
}

void SheetFileActions::loadFile(const QString& path, const std::function<void()>& onceAccepted) {
    enterFolderOf(path);

    // Read and check before clearing: a file that will not be applied leaves the sheet.
    const FileBytes file = readFileBytes(path, sheetfile::kMaxFileBytes);
    if (file.error) {
        tell(MessageIcon::Warning, loadRefusalText(path, reasonText(*file.error)));
        return;
    }
    const auto sheet = sheetfile::readSheetFile(file.bytes);
    if (!sheet) {
        tell(MessageIcon::Warning, loadRefusalText(path, tooManyLinesReason()));
        return;
    }
    if (const auto overlong = sheetfile::firstOverlongLine(sheet->lines)) {
        tell(MessageIcon::Warning, loadRefusalText(path, overlongLineReason(*overlong)));
        return;
    }

    if (onceAccepted) {
        onceAccepted();
    }
    m_window.RemiseAZero();
    if (sheet->layout == sheetfile::Layout::Earlier) {
        tell(MessageIcon::Warning, earlierVersionWarning());
        AncienneVersion(sheet->lines);
        return;
    }
    takeMagazine(sheetfile::applyLines(sheetfile::sheetLayout(), m_window.form(), sheet->lines));
}

// The import works on the lines loading has already read and checked.
void SheetFileActions::AncienneVersion(const QStringList& lines) {
    takeMagazine(sheetfile::applyLines(sheetfile::earlierLayout(), m_window.form(), lines));
}

void SheetFileActions::takeMagazine(std::optional<Magazine> magazine) {
    if (magazine) {
        m_window.setMagazine(*magazine);
    }
}

void SheetFileActions::tell(MessageIcon icon, const QString& text) {
    m_services.messages.show(m_window.dialogParent(), icon, messageTitle(), text);
}

} // namespace scribel
