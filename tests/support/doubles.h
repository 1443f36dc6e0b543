#pragma once

// Scripted stand-ins for the platform services: each answers what the test queued
// and records what it was asked.

#include "app/actions/services.h"

#include <QStringList>
#include <QUrl>
#include <deque>

namespace scribel::test {

class ScriptedFileDialogs final : public FileDialogs {
public:
    std::deque<std::optional<QString>> nextAnswers; // nothing queued means cancel
    std::vector<FileDialogRequest> saveRequests;
    std::vector<FileDialogRequest> openRequests;
    // Runs on the chosen path once the dialog has closed, before the program opens the
    // file: what may happen on the disk in between (a pipe swapped in, for one).
    std::function<void(const QString&)> afterClosing;

    std::optional<QString> askSaveFile(QWidget*, const FileDialogRequest& request) override;
    std::optional<QString> askOpenFile(QWidget*, const FileDialogRequest& request) override;

private:
    std::optional<QString> next();
};

struct ShownMessage {
    MessageIcon icon;
    QString title;
    QString text;
    DefaultAnswer defaultAnswer = DefaultAnswer::No; // for questions
};

class RecordingMessageBoxes final : public MessageBoxes {
public:
    std::vector<ShownMessage> shown;
    std::vector<ShownMessage> asked;
    std::deque<bool> nextAnswers; // nothing queued means "Non"

    void show(QWidget*, MessageIcon icon, const QString& title, const QString& text) override;
    bool ask(QWidget*, const QString& title, const QString& text,
             DefaultAnswer defaultAnswer) override;
};

// One queue, "Bureau", ready and the default, unless a test says otherwise.
PrintQueues oneReadyQueue();

class RecordingPagePrinter : public PagePrinter {
public:
    PrintQueues service = oneReadyQueue();
    std::optional<PrinterChoice> dialogAnswer; // nothing: the author cancels the print dialog
    std::optional<QString> failure;
    std::optional<QString> pdfFailure;
    int dialogsShown = 0;
    std::vector<Page> printed;
    std::vector<QString> printedOn;
    std::vector<std::pair<Page, QString>> pdfs;

    PrintQueues queues() const override { return service; }
    std::optional<PrinterChoice> choosePrinter(QWidget*) override {
        ++dialogsShown;
        return dialogAnswer;
    }
    std::optional<QString> printOn(const QString& queue, const std::optional<Paper>&,
                                   const Page& page) override {
        if (failure) {
            return failure;
        }
        printed.push_back(page);
        printedOn.push_back(queue);
        return std::nullopt;
    }
    std::optional<QString> printToPdf(const Page& page, const std::optional<Paper>&,
                                      const QString& path) override {
        pdfs.emplace_back(page, path);
        return pdfFailure;
    }
};

class RecordingOpenAction final : public OpenAction {
public:
    std::vector<QUrl> opened;
    bool succeeds = true;

    void open(const QUrl& target, QObject*, std::function<void()> failed) override;
};

class FixedClock final : public Clock {
public:
    QDate date{2026, 12, 7};
    QDate today() const override { return date; }
};

// One set of doubles, ready to hand to the window.
struct TestServices {
    ScriptedFileDialogs fileDialogs;
    RecordingMessageBoxes messages;
    RecordingPagePrinter printer;
    RecordingOpenAction openAction;
    FixedClock clock;

    Services services() { return services(printer); }
    // With a printer of the test's own in place of the recording one.
    Services services(PagePrinter& otherPrinter) {
        return {fileDialogs, messages, otherPrinter, openAction, clock};
    }
};

} // namespace scribel::test
