#include "chosenfilecheck.h"

#include "textfile.h"

namespace scribel {

namespace {

bool isPattern(const QFileInfo& chosen) {
    const QString name = chosen.fileName();
    return name.contains(u'*') || name.contains(u'?');
}

} // namespace

ChosenFileVerdict checkSaveChoice(const QFileInfo& chosen) {
    if (isPattern(chosen)) {
        return ChosenFileVerdict::StayOpen;
    }
    const QFileInfo folder(chosen.absolutePath());
    if (!folder.isDir()) {
        return ChosenFileVerdict::RefuseMissingFolder;
    }
    if (chosen.exists() && !chosen.isFile()) {
        return ChosenFileVerdict::RefuseNotAFile;
    }
    if (chosen.exists() && isWriteProtected(chosen)) {
        return ChosenFileVerdict::RefuseReadOnlyFile;
    }
    if (isWriteProtected(folder)) {
        return ChosenFileVerdict::RefuseReadOnlyFolder;
    }
    return chosen.exists() ? ChosenFileVerdict::AskReplace : ChosenFileVerdict::AskCreate;
}

ChosenFileVerdict checkOpenChoice(const QFileInfo& chosen) {
    if (isPattern(chosen)) {
        return ChosenFileVerdict::StayOpen;
    }
    if (!QFileInfo(chosen.absolutePath()).isDir()) {
        return ChosenFileVerdict::RefuseMissingFolder;
    }
    if (chosen.exists() && !chosen.isFile()) {
        return ChosenFileVerdict::RefuseNotAFile;
    }
    return ChosenFileVerdict::Accept;
}

} // namespace scribel
