#include "bannerlabel.h"

#include <QEvent>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <xcb/xcb.h>

namespace scribel {

namespace {

// The banner on the box's background, with a box's width of background on each side,
// held by the X server; a step copies the box's part of it into the window.
class ServerCopy final : public QObject {
public:
    ServerCopy(BannerLabel& label, xcb_connection_t* connection, xcb_window_t window)
        : QObject(&label), m_label(label), m_connection(connection), m_window(window) {
        label.installEventFilter(this);
        label.parentWidget()->installEventFilter(this);
        label.window()->installEventFilter(this);
        if (QWindow* handle = label.window()->windowHandle()) {
            handle->installEventFilter(this);
        }
    }

    ~ServerCopy() override {
        freePicture();
        xcb_flush(m_connection);
    }

    // Shows the box's part of the banner where the banner now stands.
    void show() {
        const QWidget* box = m_label.parentWidget();
        if (!box->isVisible()) {
            return; // its tab is not shown
        }
        const QSize pictureSize(box->width() * 2 + m_label.width(), box->height());
        if (pictureSize != m_pictureSize || m_label.y() != m_labelTop) {
            makePicture(pictureSize);
        }
        if (m_placeStale) {
            findPlace(*box);
        }
        if (!m_place.isEmpty()) {
            const int left = box->width() - m_label.x() - m_boxOrigin.x();
            const int sourceX =
                std::clamp(left + m_place.x(), 0, m_pictureSize.width() - m_place.width());
            xcb_copy_area(m_connection, m_picture, m_window, m_gc, static_cast<int16_t>(sourceX),
                          static_cast<int16_t>(m_place.y() - m_boxOrigin.y()),
                          static_cast<int16_t>(m_place.x()), static_cast<int16_t>(m_place.y()),
                          static_cast<uint16_t>(m_place.width()),
                          static_cast<uint16_t>(m_place.height()));
        }
        xcb_flush(m_connection);
    }

protected:
    // The banner's moves and looks, where the box stands in the window, what of it shows,
    // and the window itself change with these; a window shown again shows Qt's own picture
    // of the box.
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Expose:
            // Qt shows what it last painted of the box: the banner where Qt last saw it
            // unless it paints the box again now.
            m_label.parentWidget()->update();
            break;
        case QEvent::FontChange:
        case QEvent::PaletteChange:
            m_pictureSize = QSize(); // the picture no longer shows the banner as it paints
            break;
        case QEvent::Move:
            if (watched == &m_label) {
                show();
                break;
            }
            [[fallthrough]];
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::ParentChange:
        case QEvent::WinIdChange:
            m_placeStale = true;
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void makePicture(const QSize& size) {
        freePicture();
        const QWidget* box = m_label.parentWidget();
        QImage image(size, QImage::Format_RGB32);
        image.fill(box->palette().color(QPalette::Window));
        {
            QPainter painter(&image);
            painter.translate(box->width(), m_label.y());
            m_label.paintBanner(painter, m_label.rect());
        }
        m_picture = xcb_generate_id(m_connection);
        xcb_create_pixmap(m_connection, 24, m_picture, m_window,
                          static_cast<uint16_t>(size.width()),
                          static_cast<uint16_t>(size.height()));
        m_gc = xcb_generate_id(m_connection);
        const uint32_t noExposures = 0;
        xcb_create_gc(m_connection, m_gc, m_picture, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
        // In pieces that each fit in one request.
        const auto stride = static_cast<uint32_t>(image.bytesPerLine());
        const uint32_t requestBytes = xcb_get_maximum_request_length(m_connection) * 4 - 64;
        const int rowsPerPiece = std::max(1, static_cast<int>(requestBytes / stride));
        for (int top = 0; top < size.height(); top += rowsPerPiece) {
            const int rows = std::min(rowsPerPiece, size.height() - top);
            xcb_put_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, m_picture, m_gc,
                          static_cast<uint16_t>(size.width()), static_cast<uint16_t>(rows), 0,
                          static_cast<int16_t>(top), 0, 24, stride * static_cast<uint32_t>(rows),
                          image.constScanLine(top));
        }
        m_pictureSize = size;
        m_labelTop = m_label.y();
    }

    // The box's place in the window, and the part of it its containers leave in view.
    // Nothing else stands over the box.
    void findPlace(const QWidget& box) {
        m_place = QRect(QPoint(), box.size()); // in the coordinates of the container reached
        m_boxOrigin = QPoint();
        for (const QWidget* widget = &box; !widget->isWindow(); widget = widget->parentWidget()) {
            m_place.translate(widget->pos());
            m_boxOrigin += widget->pos();
            m_place &= widget->parentWidget()->rect();
        }
        m_window = static_cast<xcb_window_t>(box.window()->winId());
        m_placeStale = false;
    }

    void freePicture() {
        if (m_picture != 0) {
            xcb_free_gc(m_connection, m_gc);
            xcb_free_pixmap(m_connection, m_picture);
            m_picture = 0;
        }
    }

    BannerLabel& m_label;
    xcb_connection_t* m_connection;
    xcb_window_t m_window;
    xcb_pixmap_t m_picture = 0;
    xcb_gcontext_t m_gc = 0;
    QSize m_pictureSize;
    int m_labelTop = 0;
    bool m_placeStale = true;
    QPoint m_boxOrigin;
    QRect m_place; // the box's part in view, in the window
};

// A window of 24 bits a pixel, held as 32 in the order of QImage's RGB32.
bool holdsRgb32(xcb_connection_t* connection, xcb_window_t window) {
    xcb_get_geometry_reply_t* geometry =
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr);
    const int depth = geometry != nullptr ? geometry->depth : 0;
    free(geometry); // NOLINT(cppcoreguidelines-no-malloc): the library's own allocation
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const xcb_format_t* formats = xcb_setup_pixmap_formats(setup);
    const auto* formatsEnd = formats + xcb_setup_pixmap_formats_length(setup);
    return depth == 24 && setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST &&
           std::any_of(formats, formatsEnd, [](const xcb_format_t& format) {
               return format.depth == 24 && format.bits_per_pixel == 32 &&
                      format.scanline_pad == 32;
           });
}

} // namespace

bool moveBannerOnServer(BannerLabel& label) {
    if (QGuiApplication::platformName() != u"xcb") {
        return false;
    }
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr || label.devicePixelRatioF() != 1.0) {
        return false;
    }
    const auto window = static_cast<xcb_window_t>(label.window()->winId());
    if (!holdsRgb32(x11->connection(), window)) {
        return false;
    }
    (new ServerCopy(label, x11->connection(), window))->show();
    return true;
}

} // namespace scribel
