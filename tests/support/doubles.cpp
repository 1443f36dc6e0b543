#include "support/doubles.h"

namespace scribel::test {

std::optional<QString> ScriptedFileDialogs::askSaveFile(QWidget*,
                                                        const FileDialogRequest& request) {
    saveRequests.push_back(request);
    return next();
}

std::optional<QString> ScriptedFileDialogs::askOpenFile(QWidget*,
                                                        const FileDialogRequest& request) {
    openRequests.push_back(request);
    return next();
}

std::optional<QString> ScriptedFileDialogs::next() {
    if (nextAnswers.empty()) {
        return std::nullopt;
    }
    // Copied out as a plain string first: GCC 12 wrongly warns on copying the optional.
    const bool answered = nextAnswers.front().has_value();
    QString path = nextAnswers.front().value_or(QString());
    nextAnswers.pop_front();
    if (!answered) {
        return std::nullopt;
    }
    if (afterClosing) {
        afterClosing(path);
    }
    return path;
}

void RecordingMessageBoxes::show(QWidget*, MessageIcon icon, const QString& title,
                                 const QString& text) {
    shown.push_back({icon, title, text});
}

bool RecordingMessageBoxes::ask(QWidget*, const QString& title, const QString& text,
                                DefaultAnswer defaultAnswer) {
    asked.push_back({MessageIcon::Question, title, text, defaultAnswer});
    if (nextAnswers.empty()) {
        return false;
    }
    const bool answer = nextAnswers.front();
    nextAnswers.pop_front();
    return answer;
}

PrintQueues oneReadyQueue() {
    PrintQueues service;
    service.serviceAnswers = true;
    service.queues = {{QStringLiteral("Bureau"), true, false}};
    service.defaultQueue = QStringLiteral("Bureau");
    return service;
}

void RecordingOpenAction::open(const QUrl& target, QObject*, std::function<void()> failed) {
    opened.push_back(target);
    if (!succeeds) {
        failed();
    }
}

} // namespace scribel::test
