#pragma once

#include <QFrame>
#include <QLabel>
#include <QPixmap>

namespace scribel {

// The moving banner: its text is the invitation repeated, far wider than the box that
// shows it. It paints its own background, so that a step of the banner moves the pixels
// already shown and paints only the strip that comes into view; one copy of the
// invitation is drawn once into a picture, and each paint places that picture.
class BannerLabel final : public QLabel {
    Q_OBJECT
public:
    explicit BannerLabel(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QColor background() const;
    const QPixmap& copyPicture();

    QPixmap m_copy; // one invitation and the spaces after it, on the background
};

// The banner's box: light yellow, with its outline drawn by a frame just around it and
// below it, so that nothing is drawn over the banner's moving pixels. The outline
// follows the box's place and visibility.
QFrame* createBannerBox(QWidget* container, const QColor& background);

} // namespace scribel
