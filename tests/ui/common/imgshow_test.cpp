// The picture viewer: place and size, dragging by the picture, double-click to close.
#include "ui/common/frmimgshow.h"
#include "ui/common/twips.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>

#include <gtest/gtest.h>

#include <memory>

namespace {
void send(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button,
          Qt::MouseButtons buttons) {
    QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

QPixmap picture(int w, int h) {
    QPixmap p(w, h);
    p.fill(Qt::darkCyan);
    return p;
}

class ImgShowTest : public ::testing::Test {
protected:
    void TearDown() override {
        if (frmImgShow* v = currentImageViewer())
            delete v;
    }
    QPoint start() const {
        return QGuiApplication::primaryScreen()->geometry().topLeft() +
               QPoint(twipsToPixelsX(1000), twipsToPixelsY(1000));
    }
    std::unique_ptr<QWidget> owner = std::make_unique<QWidget>();
};
} // namespace

TEST(ImgShowDrag, GrabbedPointStaysUnderThePointer) {
    // 600 twips to the right is 40 pixels at 96 DPI.
    EXPECT_EQ(frmImgShow::dragTarget(QPoint(67, 67), QPoint(100, 100), QPoint(140, 100)),
              QPoint(107, 67));
    EXPECT_EQ(frmImgShow::dragTarget(QPoint(67, 67), QPoint(100, 100), QPoint(90, 70)),
              QPoint(57, 37));
}

TEST_F(ImgShowTest, ShowsStretchedAtItsPlaceAndSize) {
    gfSHOW_PICTURE(picture(900, 300), owner.get());
    frmImgShow* v = currentImageViewer();
    ASSERT_NE(v, nullptr);
    EXPECT_TRUE(v->isVisible());
    EXPECT_EQ(v->windowTitle(), QStringLiteral("이미지보기"));
    EXPECT_FALSE(v->isModal());
    EXPECT_EQ(v->size(), QSize(twipsToPixelsX(10000), twipsToPixelsY(10000)));
    EXPECT_EQ(v->pos(), start());
    EXPECT_EQ(v->img->geometry(), v->rect()); // the wide picture fills the square window
    EXPECT_TRUE(v->img->hasScaledContents());
}

TEST_F(ImgShowTest, LeftButtonDragMovesOtherButtonsDoNot) {
    gfSHOW_PICTURE(picture(200, 200), owner.get());
    frmImgShow* v = currentImageViewer();
    QWidget* img = v->img;
    const QPoint p0 = v->pos();
    const int step = twipsToPixelsX(600);

    send(img, QEvent::MouseMove, QPoint(100, 100), Qt::NoButton, Qt::NoButton); // no button down
    EXPECT_EQ(v->pos(), p0);
    send(img, QEvent::MouseButtonPress, QPoint(100, 100), Qt::RightButton, Qt::RightButton);
    send(img, QEvent::MouseMove, QPoint(100 + step, 100), Qt::NoButton, Qt::RightButton);
    EXPECT_EQ(v->pos(), p0);
    send(img, QEvent::MouseButtonRelease, QPoint(100 + step, 100), Qt::RightButton, Qt::NoButton);

    send(img, QEvent::MouseButtonPress, QPoint(100, 100), Qt::LeftButton, Qt::LeftButton);
    send(img, QEvent::MouseMove, QPoint(100 + step, 100), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(v->pos(), p0 + QPoint(step, 0));
    // Relative to the moved window the pointer is back where it grabbed: no further move.
    send(img, QEvent::MouseMove, QPoint(100, 100), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(v->pos(), p0 + QPoint(step, 0));
    send(img, QEvent::MouseButtonRelease, QPoint(100, 100), Qt::LeftButton, Qt::NoButton);
    send(img, QEvent::MouseMove, QPoint(150, 150), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(v->pos(), p0 + QPoint(step, 0));
    EXPECT_EQ(v->size(), QSize(twipsToPixelsX(10000), twipsToPixelsY(10000)));

    // A new picture while shown puts it back to its place.
    gfSHOW_PICTURE(picture(10, 10), owner.get());
    EXPECT_EQ(currentImageViewer(), v);
    EXPECT_EQ(v->pos(), start());
    EXPECT_EQ(v->img->pixmap().width(), 10);
}

TEST_F(ImgShowTest, DoubleClickClosesAndTheNextPictureOpensItAgain) {
    gfSHOW_PICTURE(picture(50, 50), owner.get());
    QPointer<frmImgShow> v = currentImageViewer();
    v->move(300, 300);
    send(v->img, QEvent::MouseButtonDblClick, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(v.isNull()); // unloaded, picture released
    EXPECT_EQ(currentImageViewer(), nullptr);
    gfSHOW_PICTURE(picture(50, 50), owner.get());
    ASSERT_NE(currentImageViewer(), nullptr);
    EXPECT_EQ(currentImageViewer()->pos(), start());
    EXPECT_EQ(currentImageViewer()->size(), QSize(twipsToPixelsX(10000), twipsToPixelsY(10000)));
}
