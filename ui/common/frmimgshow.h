#pragma once

#include <QPixmap>
#include <QPoint>
#include <QWidget>

class QLabel;

// The picture viewer "이미지보기": one picture stretched over the whole window. The window
// is dragged by the picture and closed by a double-click on it.
class frmImgShow : public QWidget {
    Q_OBJECT
public:
    explicit frmImgShow(QWidget* parent);

    QLabel* img = nullptr;

    void setPicture(const QPixmap& picture);
    // Window position after a move of the pointer from `grabbed` to `now` (both within the
    // picture): the grabbed point stays under the pointer.
    static QPoint dragTarget(const QPoint& window, const QPoint& grabbed, const QPoint& now);
    bool dragging() const { return m_drag; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool m_drag = false;
    QPoint m_grabbed;
};

// Shows the picture in the viewer, 10000 x 10000 twips at 1000, 1000 twips from the
// screen's top left corner, beside the calling screen (not modal). A viewer still shown
// takes the new picture and goes back to that place and size. owner: the window it
// floats above (the active window when none is given).
void gfSHOW_PICTURE(const QPixmap& picture, QWidget* owner = nullptr);
// The viewer while it is shown, else null.
frmImgShow* currentImageViewer();
