// libFuzzer target: any bytes loaded into the real window by "Charger", with its change
// handlers. Whatever the window then holds, saving it, loading that file and saving
// again must give the same bytes.

#include "app/window/principale.h"
#include "fuzzapplication.h"
#include "support/doubles.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace scribel;

namespace {

struct Harness {
    test::TestServices doubles;
    Principale window{doubles.services()};
    QTemporaryDir folder{QStringLiteral("/dev/shm/fuzz-sheetfile-XXXXXX")};

    QString path(const char* name) const { return folder.filePath(QLatin1String(name)); }

    void load(const QString& file) {
        doubles.fileDialogs.nextAnswers.emplace_back(file);
        window.Charger_Click();
    }
    QByteArray save(const char* name) {
        doubles.fileDialogs.nextAnswers.emplace_back(path(name));
        window.Sauvegarder_Click();
        QFile saved(path(name));
        return saved.open(QIODevice::ReadOnly) ? saved.readAll() : QByteArray();
    }
};

Harness* harness = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char*** argv) {
    test::startOffscreenApplication(argv);
    harness = new Harness; // lives until the process ends; only its folder is removed
    std::atexit([] { QDir(harness->folder.path()).removeRecursively(); });
    harness->window.findChild<QPushButton*>(QStringLiteral("Pixelor"))->click();
    // Fonts and their caches are built on first use; build them before the leak checks.
    harness->window.show();
    harness->save("chauffe.pxr");
    harness->load(harness->path("chauffe.pxr"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        QFile input(harness->path("entree.pxr"));
        if (!input.open(QIODevice::WriteOnly) ||
            input.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
                static_cast<qint64>(size)) {
            std::abort();
        }
    }
    harness->load(harness->path("entree.pxr"));
    const QByteArray first = harness->save("premiere.pxr");
    harness->load(harness->path("premiere.pxr"));
    if (first.isEmpty() || harness->save("seconde.pxr") != first) {
        std::abort();
    }
    harness->doubles.messages.shown.clear();
    harness->doubles.fileDialogs.openRequests.clear();
    harness->doubles.fileDialogs.saveRequests.clear();
    return 0;
}
