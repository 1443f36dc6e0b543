#include "bannerlabel.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStringList>
#include <algorithm>

namespace scribel {

namespace {

// Keeps the outline one pixel around the box, shown while the box is.
class BoxOutline final : public QFrame {
public:
    BoxOutline(QWidget* box, QWidget* container) : QFrame(container), m_box(box) {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        box->installEventFilter(this);
        follow();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show ||
            type == QEvent::Hide) {
            follow();
        }
        return QFrame::eventFilter(watched, event);
    }

private:
    void follow() {
        setGeometry(m_box->geometry().adjusted(-1, -1, 1, 1));
        setVisible(!m_box->isHidden());
    }

    QWidget* m_box;
};

} // namespace

QString bannerText() {
    const QStringList copies(kBannerCopies, kBannerInvitation.toString());
    return copies.join(kBannerSeparator.toString());
}

BannerLabel::BannerLabel(QWidget* parent) : QLabel(bannerText(), parent) {
    setAccessibleName(kBannerInvitation.toString()); // once, not as many times as it is shown
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BannerLabel::moveEvent(QMoveEvent* event) {
    QLabel::moveEvent(event);
    if (!m_serverCopyTried && isVisible()) {
        m_serverCopyTried = true;
        if (moveBannerOnServer(*this)) {
            setAttribute(Qt::WA_DontShowOnScreen); // Qt no longer moves the pixels itself
        }
    }
}

QColor BannerLabel::background() const {
    return parentWidget()->palette().color(QPalette::Window);
}

const QPixmap& BannerLabel::copyPicture() {
    const qreal ratio = devicePixelRatioF();
    if (m_copy.isNull() || m_copy.devicePixelRatio() != ratio ||
        m_copy.deviceIndependentSize().height() != height()) {
        const QFontMetrics metrics = fontMetrics();
        const QString invitation = kBannerInvitation.toString();
        const int period = metrics.horizontalAdvance(invitation + kBannerSeparator.toString());
        m_copy = QPixmap(QSize(period, height()) * ratio);
        m_copy.setDevicePixelRatio(ratio);
        m_copy.fill(background());
        QPainter painter(&m_copy);
        painter.setFont(font());
        painter.setPen(palette().color(QPalette::WindowText));
        const int baseline = (height() - metrics.height()) / 2 + metrics.ascent();
        painter.drawText(QPoint(0, baseline), invitation);
    }
    return m_copy;
}

void BannerLabel::paintBanner(QPainter& painter, const QRect& area) {
    const QPixmap& copy = copyPicture();
    const int period = static_cast<int>(copy.deviceIndependentSize().width());
    const int first = std::max(0, area.left() / period);
    const int last = std::min(kBannerCopies - 1, area.right() / period);

    painter.fillRect(area, background());
    for (int index = first; index <= last; ++index) {
        painter.drawPixmap(QPoint(index * period, 0), copy);
    }
}

void BannerLabel::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    paintBanner(painter, event->rect());
}

void BannerLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange) {
        m_copy = QPixmap();
    }
    QLabel::changeEvent(event);
}

QFrame* createBannerBox(QWidget* container, const QColor& background) {
    auto* box = new QFrame(container);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, background);
    box->setPalette(palette);
    box->setAutoFillBackground(true);
    new BoxOutline(box, container);
    box->raise(); // above its outline
    return box;
}

} // namespace scribel
