#pragma once

#include <QLabel>

namespace scribel {

// A picture stretched to its control, decoded only when first shown: the title pictures
// and the logo are hidden at start, and decoding them would slow the window's opening.
class LazyPicture final : public QLabel {
    Q_OBJECT
public:
    LazyPicture(QString path, QWidget* parent) : QLabel(parent), m_path(std::move(path)) {
        setScaledContents(true);
    }

protected:
    void showEvent(QShowEvent* event) override {
        if (!m_path.isEmpty()) {
            setPixmap(QPixmap(m_path));
            m_path.clear();
        }
        QLabel::showEvent(event);
    }

private:
    QString m_path;
};

} // namespace scribel
