#include "sheetdrop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace scribel {

namespace {

// The paths of the dragged files when everything dragged is a local file.
QStringList localFiles(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) {
        return {};
    }
    QStringList paths;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile()) {
            return {};
        }
        paths.append(url.toLocalFile());
    }
    return paths;
}

} // namespace

SheetDrop::SheetDrop(QWidget* window, OpenFiles openFiles)
    : QObject(window), m_openFiles(std::move(openFiles)) {
    window->setAcceptDrops(true);
    window->installEventFilter(this);
    watchChildrenOf(*window);
}

void SheetDrop::watchChildrenOf(const QWidget& part) {
    const QList<QWidget*> children = part.findChildren<QWidget*>();
    for (QWidget* child : children) {
        if (child->acceptDrops()) {
            child->installEventFilter(this);
        }
    }
}

bool SheetDrop::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
        return QObject::eventFilter(watched, event);
    }
    auto* drop = static_cast<QDropEvent*>(event); // the drag events derive from it
    const QStringList paths = localFiles(drop->mimeData());
    if (paths.isEmpty()) {
        return false;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop) {
        // Opened once the drop has ended, so that no message box holds the other program.
        QMetaObject::invokeMethod(
            this, [this, paths] { m_openFiles(paths); }, Qt::QueuedConnection);
    }
    return true;
}

} // namespace scribel
