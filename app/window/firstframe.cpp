#include "firstframe.h"

#include <QEvent>
#include <QWidget>

namespace scribel {

namespace {

class FirstFrameWatch final : public QObject {
public:
    FirstFrameWatch(QWidget& window, std::function<void()> then)
        : QObject(&window), m_then(std::move(then)) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // The window paints its children and hands the frame over within this one
            // event; a queued call comes after it.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    m_then();
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_then;
};

} // namespace

void whenFirstFrameShown(QWidget& window, std::function<void()> then) {
    new FirstFrameWatch(window, std::move(then)); // owned by the window
}

} // namespace scribel
