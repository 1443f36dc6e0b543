#pragma once

#include <QLabel>

namespace scribel {

// The moving banner: its text is the invitation repeated, far wider than the box that
// shows it, so it paints only the copies that fall inside the area being painted.
class BannerLabel final : public QLabel {
    Q_OBJECT
public:
    explicit BannerLabel(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace scribel
