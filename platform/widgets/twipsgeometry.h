#pragma once

#include <QMargins>
#include <QRectF>
#include <QTabWidget>
#include <optional>

namespace scribel {

// Places a control at a rectangle in twips, relative to its container: the window,
// a group box, or the tab control itself, strip included (see TwipsTabWidget).
void setTwipsGeometry(QWidget& control, const QRectF& twips);
QRectF twipsGeometry(const QWidget& control);
void setTwipsLeft(QWidget& control, double left);
void setTwipsTop(QWidget& control, double top);
// Moves a control's edges by whole pixels beyond its twips, as QRect::adjusted does: the
// room a desktop style with larger parts needs (see TwipsTabWidget::pageDrop).
void setPixelAdjustment(QWidget& control, const QMargins& edges);

// A tab control whose pages place their controls relative to the tab control's own
// top-left corner, as if the strip and frame were not there: each page is shifted
// back by its offset inside the tab control whenever the layout moves it.
class TwipsTabWidget final : public QTabWidget {
    Q_OBJECT
public:
    explicit TwipsTabWidget(QWidget* parent);

    // Where a page's origin lies inside the tab control, in pixels.
    QPoint pageOffset() const;
    // Where the style puts the pages inside the tab control, laid out or not yet.
    QRect pageArea() const;
    // The band at the top of the tab control, in twips, that the pages' controls leave
    // free for the strip and the frame.
    void setStripBand(double twips);
    // How far the pages' controls stand lower than their twips say, in pixels: by as much
    // as the style's strip and frame overflow the band, so that no control hides under them.
    int pageDrop() const;
    // Places again every control standing directly on a page.
    void placePages();

protected:
    bool event(QEvent* event) override;

private:
    std::optional<double> m_stripBand; // none: the pages stand where their twips say
};

} // namespace scribel
