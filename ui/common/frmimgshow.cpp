#include "ui/common/frmimgshow.h"

#include "ui/common/twips.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>

namespace {
QPointer<frmImgShow>& viewer() {
    static QPointer<frmImgShow> v;
    return v;
}
} // namespace

frmImgShow::frmImgShow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmImgShow"));
    setWindowTitle(QStringLiteral("이미지보기"));
    // Unloaded when closed: the picture is released with the window.
    setAttribute(Qt::WA_DeleteOnClose);
    img = new QLabel(this);
    img->setObjectName(QStringLiteral("img"));
    img->setScaledContents(true); // stretched to the window, aspect ratio not kept
    img->setMouseTracking(true);
    img->installEventFilter(this);
}

void frmImgShow::setPicture(const QPixmap& picture) {
    img->setPixmap(picture);
}

QPoint frmImgShow::dragTarget(const QPoint& window, const QPoint& grabbed, const QPoint& now) {
    return window - (grabbed - now);
}

void frmImgShow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    img->setGeometry(rect());
}

bool frmImgShow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != img)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() == Qt::LeftButton) {
            m_drag = true;
            m_grabbed = e->position().toPoint();
        }
        return true;
    }
    case QEvent::MouseMove:
        if (m_drag)
            move(dragTarget(pos(), m_grabbed,
                            static_cast<QMouseEvent*>(event)->position().toPoint()));
        return true;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            m_drag = false;
        return true;
    case QEvent::MouseButtonDblClick:
        m_drag = false;
        close();
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void gfSHOW_PICTURE(const QPixmap& picture, QWidget* owner) {
    if (!viewer())
        viewer() = new frmImgShow(owner ? owner->window() : QApplication::activeWindow());
    frmImgShow* v = viewer();
    v->setPicture(picture);
    v->resize(twipsToPixelsX(10000), twipsToPixelsY(10000));
    QPoint origin;
    if (const QScreen* s = QGuiApplication::primaryScreen())
        origin = s->geometry().topLeft();
    v->move(origin + QPoint(twipsToPixelsX(1000), twipsToPixelsY(1000)));
    v->show();
    v->raise();
}

frmImgShow* currentImageViewer() {
    return viewer();
}
