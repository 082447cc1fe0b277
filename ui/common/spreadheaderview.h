#pragma once

#include <QHeaderView>

class SpreadModel;

// The column header of the grid: one or two header rows, each with its own height and
// font, and header cells joined over several columns and rows. Sections stay the grid's
// columns (widths, hiding, resizing and clicks are QHeaderView's); only the painting knows
// about the rows and the joined cells.
class SpreadHeaderView : public QHeaderView {
    Q_OBJECT
public:
    explicit SpreadHeaderView(QWidget* parent);

    void setRowHeight(int headerRow, int height);
    int rowHeight(int headerRow) const;
    // Top edge and height of a header row inside the header.
    int rowTop(int headerRow) const;
    QSize sizeHint() const override;

    static QColor background();
    static QColor shadow();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SpreadModel* spreadModel() const;
    int headerRows() const;
    // Left edge and width in the viewport of columns first..first+count-1 (grid numbers).
    QRect columnsRect(int first, int count) const;
    void paintCell(QPainter& p, const QRect& r, const QString& text, int headerRow) const;

    int m_height[2] = {24, 24};
};
