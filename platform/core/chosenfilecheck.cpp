#include "chosenfilecheck.h"

#include "textfile.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <climits>
#include <unistd.h>

namespace scribel {

namespace {

constexpr qsizetype kMaxNameBytes = NAME_MAX;
constexpr qsizetype kMaxPathBytes = PATH_MAX;

// A name problem of a file yet to be made; an existing file is taken as it is named.
std::optional<ChosenFileVerdict> nameVerdict(const QFileInfo& chosen) {
    if (chosen.exists()) {
        return std::nullopt;
    }
    const QString name = chosen.fileName();
    if (name.contains(u'*') || name.contains(u'?')) {
        return ChosenFileVerdict::RefusePattern;
    }
    if (name.contains(QChar::ReplacementCharacter)) {
        return ChosenFileVerdict::RefuseInvalidName;
    }
    if (QFile::encodeName(name).size() > kMaxNameBytes) {
        return ChosenFileVerdict::RefuseNameTooLong;
    }
    if (QFile::encodeName(chosen.absoluteFilePath()).size() >= kMaxPathBytes) {
        return ChosenFileVerdict::RefusePathTooLong;
    }
    return std::nullopt;
}

std::optional<ChosenFileVerdict> folderVerdict(const QFileInfo& chosen) {
    const QByteArray folder = QFile::encodeName(chosen.absolutePath());
    if (::access(folder.constData(), X_OK) != 0) {
        return errno == EACCES ? ChosenFileVerdict::RefuseFolderNotEnterable
                               : ChosenFileVerdict::RefuseMissingFolder;
    }
    if (!QFileInfo(chosen.absolutePath()).isDir()) {
        return ChosenFileVerdict::RefuseMissingFolder;
    }
    if (chosen.exists() && !chosen.isFile()) {
        return ChosenFileVerdict::RefuseNotAFile;
    }
    return std::nullopt;
}

QString quoted(const QString& name) {
    return QStringLiteral("« ") + name + QStringLiteral(" »");
}

ChosenFileResponse question(const QString& text, DefaultAnswer defaultAnswer) {
    return {ChosenFileResponse::Kind::Ask, text, defaultAnswer};
}

ChosenFileResponse refusal(const QString& text) {
    return {ChosenFileResponse::Kind::Refuse, text, DefaultAnswer::No};
}

} // namespace

ChosenFileVerdict checkSaveChoice(const QFileInfo& chosen) {
    if (const auto verdict = nameVerdict(chosen)) {
        return *verdict;
    }
    if (const auto verdict = folderVerdict(chosen)) {
        return *verdict;
    }
    if (chosen.exists() && isWriteProtected(chosen)) {
        return ChosenFileVerdict::RefuseReadOnlyFile;
    }
    if (isWriteProtected(QFileInfo(chosen.absolutePath()))) {
        return ChosenFileVerdict::RefuseReadOnlyFolder;
    }
    return chosen.exists() ? ChosenFileVerdict::AskReplace : ChosenFileVerdict::AskCreate;
}

ChosenFileVerdict checkOpenChoice(const QFileInfo& chosen) {
    if (const auto verdict = nameVerdict(chosen)) {
        return *verdict;
    }
    return folderVerdict(chosen).value_or(ChosenFileVerdict::Accept);
}

ChosenFileResponse responseTo(ChosenFileVerdict verdict, const QFileInfo& chosen) {
    const QString file = quoted(chosen.fileName());
    const QString folder = quoted(QDir::toNativeSeparators(chosen.absolutePath()));
    switch (verdict) {
    case ChosenFileVerdict::Accept:
        return {};
    case ChosenFileVerdict::AskReplace:
        return question(QStringLiteral("Le fichier %1 existe déjà.\n"
                                       "Voulez-vous le remplacer ?")
                            .arg(file),
                        DefaultAnswer::No);
    case ChosenFileVerdict::AskCreate:
        return question(QStringLiteral("Le fichier %1 n'existe pas.\n"
                                       "Voulez-vous le créer ?")
                            .arg(file),
                        DefaultAnswer::Yes);
    case ChosenFileVerdict::RefusePattern:
        return refusal(QStringLiteral("Aucun fichier ne porte le nom %1 : « * » et « ? » y "
                                      "tiennent lieu de n'importe quels caractères.\n"
                                      "Choisissez un fichier dans la liste ou tapez un nom "
                                      "sans ces caractères.")
                           .arg(file));
    case ChosenFileVerdict::RefuseNameTooLong:
        return refusal(QStringLiteral("Le nom %1 est trop long : un nom de fichier compte au "
                                      "plus 255 octets.\nChoisissez un nom plus court.")
                           .arg(file));
    case ChosenFileVerdict::RefusePathTooLong:
        return refusal(QStringLiteral("Le chemin du fichier %1 est trop long : un chemin "
                                      "complet compte au plus 4 096 octets.\n"
                                      "Choisissez un dossier moins profond ou un nom plus "
                                      "court.")
                           .arg(file));
    case ChosenFileVerdict::RefuseInvalidName:
        return refusal(QStringLiteral("Le nom %1 contient des caractères non valides : aucun "
                                      "fichier ne peut être retrouvé sous ce nom.\n"
                                      "Choisissez un autre nom.")
                           .arg(file));
    case ChosenFileVerdict::RefuseMissingFolder:
        return refusal(QStringLiteral("Le dossier %1 n'existe pas.").arg(folder));
    case ChosenFileVerdict::RefuseFolderNotEnterable:
        return refusal(QStringLiteral("Vous n'avez pas le droit d'entrer dans le dossier %1.\n"
                                      "Choisissez un autre dossier.")
                           .arg(folder));
    case ChosenFileVerdict::RefuseReadOnlyFile:
        return refusal(QStringLiteral("Le fichier %1 est en lecture seule.\n"
                                      "Choisissez un autre nom.")
                           .arg(file));
    case ChosenFileVerdict::RefuseReadOnlyFolder:
        return refusal(QStringLiteral("Le dossier %1 est protégé en écriture.\n"
                                      "Choisissez un autre dossier.")
                           .arg(folder));
    case ChosenFileVerdict::RefuseNotAFile:
        return refusal(QStringLiteral("%1 n'est pas un fichier.").arg(file));
    }
    return {};
}

} // namespace scribel
