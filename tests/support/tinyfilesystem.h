#pragma once

// A tmpfs of a few KiB mounted on a temporary folder for one test, to see what writing
// does on a full disk or a read-only one. Mounting needs root; tests skip without it.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace scribel::test {

class TinyFileSystem {
public:
    explicit TinyFileSystem(int kibibytes) {
        m_mounted =
            QProcess::execute(QStringLiteral("mount"),
                              {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                               QStringLiteral("size=%1k").arg(kibibytes), QStringLiteral("tmpfs"),
                               m_folder.path()}) == 0;
    }
    ~TinyFileSystem() {
        if (QDir::current().canonicalPath() == QDir(m_folder.path()).canonicalPath()) {
            QDir::setCurrent(QDir::tempPath()); // a confirmed dialog may have left us there
        }
        if (m_mounted) {
            QProcess::execute(QStringLiteral("umount"), {m_folder.path()});
        }
    }
    TinyFileSystem(const TinyFileSystem&) = delete;
    TinyFileSystem& operator=(const TinyFileSystem&) = delete;

    bool isMounted() const { return m_mounted; }
    QString path(const QString& name) const { return m_folder.filePath(name); }
    QStringList entries() const {
        return QDir(m_folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }

    bool makeReadOnly() {
        return QProcess::execute(
                   QStringLiteral("mount"),
                   {QStringLiteral("-o"), QStringLiteral("remount,ro"), m_folder.path()}) == 0;
    }

    // Writes a filler file until the file system has no byte left.
    void fill() const {
        QFile filler(path(QStringLiteral("remplissage")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            return;
        }
        const QByteArray block(512, 'x');
        while (filler.write(block) == block.size()) {
        }
    }

private:
    QTemporaryDir m_folder;
    bool m_mounted = false;
};

} // namespace scribel::test
