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
    explicit TinyFileSystem(int kibibytes);
    ~TinyFileSystem();
    TinyFileSystem(const TinyFileSystem&) = delete;
    TinyFileSystem& operator=(const TinyFileSystem&) = delete;

    bool isMounted() const { return m_mounted; }
    QString path(const QString& name) const { return m_folder.filePath(name); }
    QStringList entries() const {
        return QDir(m_folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }

    bool makeReadOnly();

    void fill() const;

private:
    QTemporaryDir m_folder;
    bool m_mounted = false;
};

} // namespace scribel::test
