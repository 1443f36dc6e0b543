#include "support/tinyfilesystem.h"

namespace scribel::test {

TinyFileSystem::TinyFileSystem(int kibibytes) {
    m_mounted = QProcess::execute(QStringLiteral("mount"),
                                  {QStringLiteral("-t"), QStringLiteral("tmpfs"),
                                   QStringLiteral("-o"), QStringLiteral("size=%1k").arg(kibibytes),
                                   QStringLiteral("tmpfs"), m_folder.path()}) == 0;
}

TinyFileSystem::~TinyFileSystem() {
    if (QDir::current().canonicalPath() == QDir(m_folder.path()).canonicalPath()) {
        QDir::setCurrent(QDir::tempPath()); // a confirmed dialog may have left us there
    }
    if (m_mounted) {
        QProcess::execute(QStringLiteral("umount"), {m_folder.path()});
    }
}

bool TinyFileSystem::makeReadOnly() {
    return QProcess::execute(
               QStringLiteral("mount"),
               {QStringLiteral("-o"), QStringLiteral("remount,ro"), m_folder.path()}) == 0;
}

void TinyFileSystem::fill() const {
    QFile filler(path(QStringLiteral("remplissage")));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return;
    }
    const QByteArray block(512, 'x');
    while (filler.write(block) == block.size()) {
    }
}

} // namespace scribel::test
