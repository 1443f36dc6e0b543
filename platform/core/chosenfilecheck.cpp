#include "chosenfilecheck.h"

#include "textfile.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <climits>
#include <unistd.h>

namespace scribel {

using namespace Qt::Literals::StringLiterals;

namespace {

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
    if (QFile::encodeName(name).size() > NAME_MAX) {
        return ChosenFileVerdict::RefuseNameTooLong;
    }
    if (QFile::encodeName(chosen.absoluteFilePath()).size() >= PATH_MAX) {
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

// The text with the name, in « », in place of %1.
ChosenFileResponse question(const QString& name, DefaultAnswer answer, const QString& text) {
    return {ChosenFileResponse::Kind::Ask,
            text.arg(QStringLiteral("« ") + name + QStringLiteral(" »")), answer};
}

ChosenFileResponse refusal(const QString& name, const QString& text) {
    ChosenFileResponse response = question(name, DefaultAnswer::No, text);
    response.kind = ChosenFileResponse::Kind::Refuse;
    return response;
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
    const QString file = chosen.fileName();
    const QString folder = QDir::toNativeSeparators(chosen.absolutePath());
    switch (verdict) {
    case ChosenFileVerdict::Accept:
        return {};
    case ChosenFileVerdict::AskReplace:
        return question(file, DefaultAnswer::No,
                        u"Le fichier %1 existe déjà.\nVoulez-vous le remplacer ?"_s);
    case ChosenFileVerdict::AskCreate:
        return question(file, DefaultAnswer::Yes,
                        u"Le fichier %1 n'existe pas.\nVoulez-vous le créer ?"_s);
    case ChosenFileVerdict::RefusePattern:
        return refusal(file, u"Aucun fichier ne porte le nom %1 : « * » et « ? » y tiennent "
                             u"lieu de n'importe quels caractères.\nChoisissez un fichier "
                             u"dans la liste ou tapez un nom sans ces caractères."_s);
    case ChosenFileVerdict::RefuseNameTooLong:
        return refusal(file, u"Le nom %1 est trop long : un nom de fichier compte au plus 255 "
                             u"octets.\nChoisissez un nom plus court."_s);
    case ChosenFileVerdict::RefusePathTooLong:
        return refusal(file, u"Le chemin du fichier %1 est trop long : un chemin complet "
                             u"compte au plus 4 096 octets.\nChoisissez un dossier moins "
                             u"profond ou un nom plus court."_s);
    case ChosenFileVerdict::RefuseInvalidName:
        return refusal(file, u"Le nom %1 contient des caractères non valides : aucun fichier "
                             u"ne peut être retrouvé sous ce nom.\nChoisissez un autre nom."_s);
    case ChosenFileVerdict::RefuseMissingFolder:
        return refusal(folder, u"Le dossier %1 n'existe pas."_s);
    case ChosenFileVerdict::RefuseFolderNotEnterable:
        return refusal(folder, u"Vous n'avez pas le droit d'entrer dans le dossier %1.\n"
                               u"Choisissez un autre dossier."_s);
    case ChosenFileVerdict::RefuseReadOnlyFile:
        return refusal(file, u"Le fichier %1 est en lecture seule.\nChoisissez un autre nom."_s);
    case ChosenFileVerdict::RefuseReadOnlyFolder:
        return refusal(folder,
                       u"Le dossier %1 est protégé en écriture.\nChoisissez un autre dossier."_s);
    case ChosenFileVerdict::RefuseNotAFile:
        return refusal(file, u"%1 n'est pas un fichier."_s);
    }
    return {};
}

} // namespace scribel
