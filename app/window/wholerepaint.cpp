#include "wholerepaint.h"

#include <QPlatformSurfaceEvent>
#include <QWidget>
#include <QWindow>

namespace scribel {

namespace {

class WholeRepaintOnExpose final : public QObject {
public:
    explicit WholeRepaintOnExpose(QWidget& window) : QObject(&window), m_window(window) {
        // The window's surface exists only once it is shown: watch for it.
        m_window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &m_window && event->type() == QEvent::PlatformSurface &&
            static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
                QPlatformSurfaceEvent::SurfaceCreated) {
            m_window.windowHandle()->installEventFilter(this);
        } else if (watched == m_window.windowHandle() && event->type() == QEvent::Expose &&
                   m_window.windowHandle()->isExposed()) {
            // The window's own update() leaves its children's last pictures in place: each
            // widget is marked, the text boxes and the banner with the rest.
            m_window.update();
            for (QWidget* widget : m_window.findChildren<QWidget*>()) {
                widget->update();
            }
        }
        return false;
    }

private:
    QWidget& m_window;
};

} // namespace

void repaintWholeOnExpose(QWidget& window) {
    new WholeRepaintOnExpose(window);
}

} // namespace scribel
