#pragma once

#include <QTableView>

class SpreadDelegate;
class SpreadHeaderView;
class SpreadModel;

// The grid control every screen places: a table view over its own SpreadModel with the
// two-row column header, the cell editors, touch scrolling and the notifications the
// grid wrapper and the screens listen to. Widths are in the grid's units (about one
// character) and heights in points; widthPixels/heightPixels convert them.
class SpreadView : public QTableView {
    Q_OBJECT
public:
    explicit SpreadView(QWidget* parent);

    SpreadModel* spreadModel() const { return m_model; }
    SpreadHeaderView* columnHeader() const { return m_header; }

    static int widthPixels(double units);
    static int heightPixels(double units);

    bool isEditing() const { return state() == QAbstractItemView::EditingState; }
    // Grid numbers of the active cell (0 when none).
    int activeRow() const;
    int activeCol() const;
    void setActiveCell(int col, int row);
    // Starts editing the active cell.
    void startEditing();
    // First and last row of the selected block; -1 when nothing is selected.
    int selBlockRow() const;
    int selBlockRow2() const;

    // Joins equal neighbouring cells of the columns and rows that ask for it.
    void setColumnMerge(int col, bool on);
    void setRowMerge(int row, bool on);

signals:
    // The key code of every key pressed on the grid (46 Delete, 13 Enter, letters and
    // digits as their character codes).
    void keyDown(int keyCode);
    void buttonClicked(int col, int row, int down);
    void cellDoubleClicked(int col, int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void applySpans();
    static int keyCode(int key, const QString& text);

    SpreadModel* m_model;
    SpreadHeaderView* m_header;
    SpreadDelegate* m_delegate;
    QList<int> m_mergeCols;
    QList<int> m_mergeRows;
    bool m_inKeyPress = false; // a key the view hands on to a new editor is reported once
};
