#include "sheetfileactions.h"

#include "platform/core/systemerrortext.h"
#include "platform/core/textfile.h"
#include "sheetfile/dialogtexts.h"
#include "sheetfile/earlierlayout.h"
#include "sheetfile/sheetcodec.h"
#include "sheetfile/sheetlayout.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace scribel {

namespace {

QString earlierVersionWarning() {
    return QStringLiteral("Ce fichier a été créé avec une version antérieure de SCRIBEL\n"
                          "L'import va être réalisé mais certains nouveaux champs ne seront pas\n"
                          "complets.\n"
                          "Vérifiez bien tous les champs avant de sauvegarder ou d'imprimer.");
}

// Each problem in words that follow the file's name, and whether the system's reason may add
// something to it.
struct ProblemText {
    FileProblem problem;
    QStringView text;
    bool systemReason;
};
constexpr ProblemText kProblemTexts[] = {
    {FileProblem::Missing, u"il n'existe pas", false},
    {FileProblem::NotAFile, u"ce n'est pas un fichier", false},
    {FileProblem::CannotOpen, u"il ne peut pas être ouvert en lecture", true},
    {FileProblem::CannotRead, u"sa lecture a échoué", true},
    {FileProblem::TooLarge, u"il est bien trop gros pour être une Scribel", false},
    {FileProblem::ReadOnlyTarget, u"il est en lecture seule", false},
    {FileProblem::CannotCreate, u"il ne peut pas être écrit dans ce dossier", true},
    {FileProblem::WriteFailed, u"l'écriture n'a pas abouti", true},
    {FileProblem::CannotReplace, u"il n'a pas pu remplacer l'ancien fichier", true},
    {FileProblem::AccessDenied, u"vous n'avez pas le droit de l'ouvrir", false},
    {FileProblem::FolderNotEnterable, u"vous n'avez pas le droit d'entrer dans son dossier", false},
    {FileProblem::NameTooLong, u"son nom dépasse 255 octets", false},
    {FileProblem::PathTooLong, u"son chemin complet dépasse 4 096 octets", false},
    {FileProblem::InvalidName, u"son nom contient des caractères non valides", false},
};

QString reasonText(const FileError& error) {
    QString reason;
    for (const ProblemText& row : kProblemTexts) {
        if (row.problem != error.problem) {
            continue;
        }
        reason = row.text.toString();
        if (row.systemReason && error.systemError != 0) {
            reason += QStringLiteral(" (") + systemErrorText(error.systemError) + u')';
        } else if (row.problem == FileProblem::WriteFailed) {
            reason += QStringLiteral(", le disque est peut-être plein");
        }
    }
    return reason;
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

// A confirmed dialog leaves the process in the chosen file's folder, where the
// association's documents are looked up later.
void enterFolderOf(const QString& path) {
    QDir::setCurrent(QFileInfo(path).absolutePath());
}

} // namespace

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
        tell(QStringLiteral("Le fichier « %1 » n'a pas été enregistré : %2.\n"
                            "Aucun fichier n'a été modifié.")
                 .arg(QFileInfo(*path).fileName(), reasonText(*error)),
             MessageIcon::Critical);
    }
}

void SheetFileActions::load() {
    const auto request = sheetfile::openDialogRequest(m_window.magazine());
    if (!request) {
        return;
    }
    if (const auto path = m_services.fileDialogs.askOpenFile(m_window.dialogParent(), *request)) {
        loadFile(*path);
    }
}

void SheetFileActions::loadFile(const QString& path, const std::function<void()>& onceAccepted) {
    enterFolderOf(path);

    // Read and check before clearing: a file that will not be applied leaves the sheet.
    const FileBytes file = readFileBytes(path, sheetfile::kMaxFileBytes);
    if (file.error) {
        tell(loadRefusalText(path, reasonText(*file.error)));
        return;
    }
    const auto sheet = sheetfile::readSheetFile(file.bytes);
    if (!sheet) {
        tell(loadRefusalText(
            path, QStringLiteral("il compte plus de %1 lignes").arg(sheetfile::kMaxLines)));
        return;
    }
    if (const auto overlong = sheetfile::firstOverlongLine(sheet->lines)) {
        tell(loadRefusalText(path, overlongLineReason(*overlong)));
        return;
    }

    if (onceAccepted) {
        onceAccepted();
    }
    m_window.RemiseAZero();
    if (sheet->layout == sheetfile::Layout::Earlier) {
        tell(earlierVersionWarning());
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

} // namespace scribel
