#pragma once

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QStringView>

namespace scribel {

inline constexpr QStringView kBannerInvitation = u"Faites le choix de votre magazine !!";
inline constexpr QStringView kBannerSeparator = u"   ";
inline constexpr int kBannerCopies = 11;

// The banner's text: the invitation eleven times, three spaces between copies.
QString bannerText();

// The banner's left edge after one step, in twips: it moves 60 to the left, and once
// the whole text has passed out on the left it first re-enters at the box's right edge.
inline constexpr int kBannerStepTwips = 60;

constexpr int nextBannerLeft(int left, int textWidth, int boxWidth) {
    if (left <= -textWidth) {
        left = boxWidth;
    }
    return left - kBannerStepTwips;
}

// The moving banner: its text is the invitation repeated, far wider than the box that
// shows it. It paints its own background, so that a step of the banner moves the pixels
// already shown and paints only the strip that comes into view; one copy of the
// invitation is drawn once into a picture, and each paint places that picture.
class BannerLabel final : public QLabel {
    Q_OBJECT
public:
    explicit BannerLabel(QWidget* parent);

    // Paints the banner's `area`, in its own coordinates.
    void paintBanner(QPainter& painter, const QRect& area);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    QColor background() const;
    const QPixmap& copyPicture();

    QPixmap m_copy; // one invitation and the spaces after it, on the background
    bool m_serverCopyTried = false;
};

// On an X11 display, the X server holds the whole banner as a picture and at each move copies
// the box's part of it into the window: no repaint, no wait, no answer awaited. False where it
// cannot (another display, a scaled one, pixels it does not hold as QImage's RGB32): Qt then
// moves the pixels itself. Once true, Qt paints the banner only when the box is repainted anyway.
bool moveBannerOnServer(BannerLabel& label);

// The banner's box: light yellow, with its outline drawn by a frame just around it and
// below it, so that nothing is drawn over the banner's moving pixels. The outline
// follows the box's place and visibility.
QFrame* createBannerBox(QWidget* container, const QColor& background);

} // namespace scribel
