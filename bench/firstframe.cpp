#include "firstframe.h"

#include "childreport.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <utility>

namespace scribel::bench {

namespace {

class FirstPaintFilter final : public QObject {
public:
    FirstPaintFilter(QWidget& window, ChildReport& report, std::function<void()> done)
        : QObject(&window), m_report(report), m_done(std::move(done)) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            m_report.mark("painted");
            // The window is painted first, then its children, all within the one event
            // that this paint belongs to; a queued call runs after that event is over.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    m_report.mark("frame");
                    // Idle: the event loop has nothing left to do and is about to wait.
                    connect(QAbstractEventDispatcher::instance(),
                            &QAbstractEventDispatcher::aboutToBlock, this, [this] {
                                if (!m_idle) {
                                    m_idle = true;
                                    m_report.mark("idle");
                                    m_done();
                                }
                            });
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    ChildReport& m_report;
    std::function<void()> m_done;
    bool m_seen = false;
    bool m_idle = false;
};

} // namespace

void whenFirstFramePainted(QWidget& window, ChildReport& report, std::function<void()> done) {
    new FirstPaintFilter(window, report, std::move(done)); // owned by the window
}

int showAndReport(QWidget& window, ChildReport& report) {
    whenFirstFramePainted(window, report, [&window, &report] {
        report.size(window.size());
        report.print();
        QCoreApplication::quit();
    });
    window.show();
    report.mark("shown");
    return QApplication::exec();
}

} // namespace scribel::bench
