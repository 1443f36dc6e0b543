#pragma once

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <memory>

namespace scribel {

// The moving banner: its text is the invitation repeated, far wider than the box that
// shows it. It paints its own background, so that a step of the banner moves the pixels
// already shown and paints only the strip that comes into view; one copy of the
// invitation is drawn once into a picture, and each paint places that picture.
//
// On an X11 display the box's pixels come straight from the X server: the whole banner
// is handed to it once as a picture, and each step has it copy the box's part of that
// picture into the window, without a repaint, a shared-memory wait or an answer awaited.
// Qt then leaves the banner's moves alone (it paints the banner only when it repaints
// the box for another reason, at the same place).
class BannerLabel final : public QLabel {
    Q_OBJECT
public:
    explicit BannerLabel(QWidget* parent);
    ~BannerLabel() override;

    // Paints the banner's `area`, in its own coordinates.
    void paintBanner(QPainter& painter, const QRect& area);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    class ServerCopy;

    QColor background() const;
    const QPixmap& copyPicture();

    QPixmap m_copy; // one invitation and the spaces after it, on the background
    std::unique_ptr<ServerCopy> m_serverCopy; // on X11, once the banner has moved
    bool m_serverCopyTried = false;
};

// The banner's box: light yellow, with its outline drawn by a frame just around it and
// below it, so that nothing is drawn over the banner's moving pixels. The outline
// follows the box's place and visibility.
QFrame* createBannerBox(QWidget* container, const QColor& background);

} // namespace scribel
