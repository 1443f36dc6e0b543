#pragma once

#include <QRectF>
#include <QTabWidget>

namespace scribel {

// Places a control at a rectangle in twips, relative to its container: the window,
// a group box, or the tab control itself, strip included (see TwipsTabWidget).
void setTwipsGeometry(QWidget& control, const QRectF& twips);
QRectF twipsGeometry(const QWidget& control);
void setTwipsLeft(QWidget& control, double left);
void setTwipsTop(QWidget& control, double top);

// A tab control whose pages place their controls relative to the tab control's own
// top-left corner, as if the strip and frame were not there: each page is shifted
// back by its offset inside the tab control whenever the layout moves it.
class TwipsTabWidget final : public QTabWidget {
    Q_OBJECT
public:
    explicit TwipsTabWidget(QWidget* parent);

    // Where a page's origin lies inside the tab control, in pixels.
    QPoint pageOffset() const;
    // Places again every control standing directly on a page.
    void placePages();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
};

} // namespace scribel
