#include "bannerlabel.h"

#include "about/banner.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

namespace scribel {

BannerLabel::BannerLabel(QWidget* parent) : QLabel(bannerText(), parent) {
    setAccessibleName(kBannerInvitation.toString()); // once, not as many times as it is shown
}

void BannerLabel::paintEvent(QPaintEvent* event) {
    const QFontMetrics metrics = fontMetrics();
    const QString invitation = kBannerInvitation.toString();
    const int period = metrics.horizontalAdvance(invitation + kBannerSeparator.toString());
    const int first = std::max(0, event->rect().left() / period);
    const int last = std::min(kBannerCopies - 1, event->rect().right() / period);
    const int baseline = (height() - metrics.height()) / 2 + metrics.ascent();

    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    for (int copy = first; copy <= last; ++copy) {
        painter.drawText(QPoint(copy * period, baseline), invitation);
    }
}

} // namespace scribel
