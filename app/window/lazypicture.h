#pragma once

#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>

namespace scribel {

// One of the program's pictures, in the format its name ends with: guessing the format
// would load every image format plugin Qt has to try them. The pictures the window shows
// at once are uncompressed bitmaps (".bmp"), which cost next to nothing to read; the
// others stay PNG files.
inline QPixmap readPicture(const QString& path) {
    QImageReader reader(path, path.mid(path.lastIndexOf(u'.') + 1).toLatin1());
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

// A picture as an icon, with its double-size drawing ("name@2x.png") on a high-density
// screen, where there is one.
inline QIcon readIcon(const QString& path) {
    QIcon icon(readPicture(path));
    QString doubleSize = path;
    doubleSize.insert(path.lastIndexOf(u'.'), QStringLiteral("@2x"));
    if (qGuiApp->devicePixelRatio() > 1 && QFile::exists(doubleSize)) {
        QPixmap picture = readPicture(doubleSize);
        picture.setDevicePixelRatio(2);
        icon.addPixmap(picture);
    }
    return icon;
}

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
            setPixmap(readPicture(m_path));
            m_path.clear();
        }
        QLabel::showEvent(event);
    }

private:
    QString m_path;
};

} // namespace scribel
