#include "bannerlabel.h"

#include "about/banner.h"

#include <QEvent>
#include <QGuiApplication>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <dlfcn.h>
#include <optional>
#include <type_traits>
#include <xcb/xcb.h>

namespace scribel {

namespace {

// Keeps the outline one pixel around the box, shown while the box is.
class BoxOutline final : public QFrame {
    Q_OBJECT
public:
    BoxOutline(QWidget* box, QWidget* container) : QFrame(container), m_box(box) {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        box->installEventFilter(this);
        follow();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            follow();
            break;
        default:
            break;
        }
        return QFrame::eventFilter(watched, event);
    }

private:
    void follow() {
        setGeometry(m_box->geometry().adjusted(-1, -1, 1, 1));
        setVisible(!m_box->isHidden());
    }

    QWidget* m_box;
};

// The few calls of the X client library the server copy makes, taken from the library
// Qt's X11 platform has loaded: the program itself does not load it, so that it starts
// as fast, and on Wayland as well, without it.
struct XcbCalls {
    decltype(&xcb_generate_id) generateId = nullptr;
    decltype(&xcb_get_setup) getSetup = nullptr;
    decltype(&xcb_setup_pixmap_formats) pixmapFormats = nullptr;
    decltype(&xcb_setup_pixmap_formats_length) pixmapFormatsLength = nullptr;
    decltype(&xcb_get_maximum_request_length) maximumRequestLength = nullptr;
    decltype(&xcb_get_geometry) getGeometry = nullptr;
    decltype(&xcb_get_geometry_reply) getGeometryReply = nullptr;
    decltype(&xcb_create_pixmap) createPixmap = nullptr;
    decltype(&xcb_free_pixmap) freePixmap = nullptr;
    decltype(&xcb_create_gc) createGc = nullptr;
    decltype(&xcb_free_gc) freeGc = nullptr;
    decltype(&xcb_put_image) putImage = nullptr;
    decltype(&xcb_copy_area) copyArea = nullptr;
    decltype(&xcb_flush) flush = nullptr;

    // The calls, or nothing when the library is not loaded.
    static std::optional<XcbCalls> resolve() {
        void* library = dlopen("libxcb.so.1", RTLD_LAZY | RTLD_NOLOAD);
        if (library == nullptr) {
            return std::nullopt;
        }
        XcbCalls calls;
        bool complete = true;
        const auto take = [&](auto& call, const char* name) {
            call = reinterpret_cast<std::remove_reference_t<decltype(call)>>(dlsym(library, name));
            complete = complete && call != nullptr;
        };
        take(calls.generateId, "xcb_generate_id");
        take(calls.getSetup, "xcb_get_setup");
        take(calls.pixmapFormats, "xcb_setup_pixmap_formats");
        take(calls.pixmapFormatsLength, "xcb_setup_pixmap_formats_length");
        take(calls.maximumRequestLength, "xcb_get_maximum_request_length");
        take(calls.getGeometry, "xcb_get_geometry");
        take(calls.getGeometryReply, "xcb_get_geometry_reply");
        take(calls.createPixmap, "xcb_create_pixmap");
        take(calls.freePixmap, "xcb_free_pixmap");
        take(calls.createGc, "xcb_create_gc");
        take(calls.freeGc, "xcb_free_gc");
        take(calls.putImage, "xcb_put_image");
        take(calls.copyArea, "xcb_copy_area");
        take(calls.flush, "xcb_flush");
        dlclose(library); // Qt's X11 platform keeps it loaded
        return complete ? std::optional(calls) : std::nullopt;
    }
};

} // namespace

// The banner on the box's background, with a box's width of background on each side,
// held by the X server; a step copies the box's part of it into the window.
class BannerLabel::ServerCopy final : public QObject {
public:
    // Only on X11, at one device pixel a pixel, into a window of 24 bits a pixel held
    // as 32 in the order of QImage's RGB32.
    static std::unique_ptr<ServerCopy> create(BannerLabel& label) {
        if (QGuiApplication::platformName() != u"xcb" || label.devicePixelRatioF() != 1.0) {
            return nullptr;
        }
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        const std::optional<XcbCalls> calls = XcbCalls::resolve();
        if (x11 == nullptr || x11->connection() == nullptr || !calls) {
            return nullptr;
        }
        xcb_connection_t* connection = x11->connection();
        const auto window = static_cast<xcb_window_t>(label.window()->winId());
        xcb_get_geometry_reply_t* geometry =
            calls->getGeometryReply(connection, calls->getGeometry(connection, window), nullptr);
        const int depth = geometry != nullptr ? geometry->depth : 0;
        free(geometry); // NOLINT(cppcoreguidelines-no-malloc): the library's own allocation
        const xcb_setup_t* setup = calls->getSetup(connection);
        const xcb_format_t* formats = calls->pixmapFormats(setup);
        const auto* formatsEnd = formats + calls->pixmapFormatsLength(setup);
        const bool rgb32 = depth == 24 && setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST &&
                           std::any_of(formats, formatsEnd, [](const xcb_format_t& format) {
                               return format.depth == 24 && format.bits_per_pixel == 32 &&
                                      format.scanline_pad == 32;
                           });
        if (!rgb32) {
            return nullptr;
        }
        return std::unique_ptr<ServerCopy>(new ServerCopy(label, connection, window, *calls));
    }

    ~ServerCopy() override {
        freePicture();
        m_xcb.flush(m_connection);
    }

    ServerCopy(const ServerCopy&) = delete;
    ServerCopy& operator=(const ServerCopy&) = delete;

    // The picture no longer shows the banner as it paints (its font or colours changed).
    void invalidate() { m_pictureSize = QSize(); }

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
            m_xcb.copyArea(m_connection, m_picture, m_window, m_gc, static_cast<int16_t>(sourceX),
                           static_cast<int16_t>(m_place.y() - m_boxOrigin.y()),
                           static_cast<int16_t>(m_place.x()), static_cast<int16_t>(m_place.y()),
                           static_cast<uint16_t>(m_place.width()),
                           static_cast<uint16_t>(m_place.height()));
        }
        m_xcb.flush(m_connection);
    }

protected:
    // Where the box stands in the window, what of it shows, and the window itself change
    // with these; a window shown again shows Qt's own picture of the box.
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Expose:
            // Qt shows what it last painted of the box: the banner where Qt last saw it
            // unless it paints the box again now.
            m_label.parentWidget()->update();
            break;
        case QEvent::Move:
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
    ServerCopy(BannerLabel& label, xcb_connection_t* connection, xcb_window_t window,
               const XcbCalls& calls)
        : m_label(label), m_connection(connection), m_window(window), m_xcb(calls) {
        label.parentWidget()->installEventFilter(this);
        label.window()->installEventFilter(this);
        if (QWindow* handle = label.window()->windowHandle()) {
            handle->installEventFilter(this);
        }
    }

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
        m_picture = m_xcb.generateId(m_connection);
        m_xcb.createPixmap(m_connection, 24, m_picture, m_window,
                           static_cast<uint16_t>(size.width()),
                           static_cast<uint16_t>(size.height()));
        m_gc = m_xcb.generateId(m_connection);
        const uint32_t noExposures = 0;
        m_xcb.createGc(m_connection, m_gc, m_picture, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
        // In pieces that each fit in one request.
        const auto stride = static_cast<uint32_t>(image.bytesPerLine());
        const uint32_t requestBytes = m_xcb.maximumRequestLength(m_connection) * 4 - 64;
        const int rowsPerPiece = std::max(1, static_cast<int>(requestBytes / stride));
        for (int top = 0; top < size.height(); top += rowsPerPiece) {
            const int rows = std::min(rowsPerPiece, size.height() - top);
            m_xcb.putImage(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, m_picture, m_gc,
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
        QRect shown(QPoint(), box.size()); // in the coordinates of the container reached
        m_boxOrigin = QPoint();
        for (const QWidget* widget = &box; !widget->isWindow(); widget = widget->parentWidget()) {
            shown.translate(widget->pos());
            m_boxOrigin += widget->pos();
            shown &= widget->parentWidget()->rect();
        }
        m_place = shown;
        m_window = static_cast<xcb_window_t>(box.window()->winId());
        m_placeStale = false;
    }

    void freePicture() {
        if (m_picture != 0) {
            m_xcb.freeGc(m_connection, m_gc);
            m_xcb.freePixmap(m_connection, m_picture);
            m_picture = 0;
        }
    }

    BannerLabel& m_label;
    xcb_connection_t* m_connection;
    xcb_window_t m_window;
    XcbCalls m_xcb;
    xcb_pixmap_t m_picture = 0;
    xcb_gcontext_t m_gc = 0;
    QSize m_pictureSize;
    int m_labelTop = 0;
    bool m_placeStale = true;
    QPoint m_boxOrigin;
    QRect m_place; // the box's part in view, in the window
};

BannerLabel::BannerLabel(QWidget* parent) : QLabel(bannerText(), parent) {
    setAccessibleName(kBannerInvitation.toString()); // once, not as many times as it is shown
    setAttribute(Qt::WA_OpaquePaintEvent);
}

BannerLabel::~BannerLabel() = default;

void BannerLabel::moveEvent(QMoveEvent* event) {
    QLabel::moveEvent(event);
    if (!m_serverCopyTried && isVisible()) {
        m_serverCopyTried = true;
        m_serverCopy = ServerCopy::create(*this);
        if (m_serverCopy) {
            setAttribute(Qt::WA_DontShowOnScreen); // Qt no longer moves the pixels itself
        }
    }
    if (m_serverCopy) {
        m_serverCopy->show();
    }
}

QColor BannerLabel::background() const {
    return parentWidget()->palette().color(QPalette::Window);
}

const QPixmap& BannerLabel::copyPicture() {
    const qreal ratio = devicePixelRatioF();
    if (m_copy.isNull() || m_copy.devicePixelRatio() != ratio ||
        m_copy.deviceIndependentSize().height() != height()) {
        const QFontMetrics metrics = fontMetrics();
        const QString invitation = kBannerInvitation.toString();
        const int period = metrics.horizontalAdvance(invitation + kBannerSeparator.toString());
        m_copy = QPixmap(QSize(period, height()) * ratio);
        m_copy.setDevicePixelRatio(ratio);
        m_copy.fill(background());
        QPainter painter(&m_copy);
        painter.setFont(font());
        painter.setPen(palette().color(QPalette::WindowText));
        const int baseline = (height() - metrics.height()) / 2 + metrics.ascent();
        painter.drawText(QPoint(0, baseline), invitation);
    }
    return m_copy;
}

void BannerLabel::paintBanner(QPainter& painter, const QRect& area) {
    const QPixmap& copy = copyPicture();
    const int period = static_cast<int>(copy.deviceIndependentSize().width());
    const int first = std::max(0, area.left() / period);
    const int last = std::min(kBannerCopies - 1, area.right() / period);

    painter.fillRect(area, background());
    for (int index = first; index <= last; ++index) {
        painter.drawPixmap(QPoint(index * period, 0), copy);
    }
}

void BannerLabel::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    paintBanner(painter, event->rect());
}

void BannerLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange) {
        m_copy = QPixmap();
        if (m_serverCopy) {
            m_serverCopy->invalidate();
        }
    }
    QLabel::changeEvent(event);
}

QFrame* createBannerBox(QWidget* container, const QColor& background) {
    auto* box = new QFrame(container);
    QPalette palette = box->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, background);
    }
    box->setPalette(palette);
    box->setAutoFillBackground(true);
    new BoxOutline(box, container);
    box->raise(); // above its outline
    return box;
}

} // namespace scribel

#include "bannerlabel.moc"
