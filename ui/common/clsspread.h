#pragma once

#include <QColor>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QVariant>

class QTimer;
class QWidget;
class SpreadModel;
class SpreadView;
struct DbError;

// The wrapper every screen drives its grids through: layout, loading from a statement,
// cell access by column ID, the colour and locking conventions, row-state marks and the
// checks before saving, blinking and the spreadsheet export. Rows are 1..MaxRows(),
// columns 1..MaxCols(); column 0 (or -1000) is the row-header column holding the row
// marks, rows -1000 and -999 the two column-header rows, -1 all rows or all columns.
class clsSpread : public QObject {
    Q_OBJECT
public:
    // Row-state marks of the row-header cell.
    static QString markNew() { return QStringLiteral("☞"); }
    static QString markNewData() { return QStringLiteral("▶"); }
    static QString markChanged() { return QStringLiteral("√"); }
    static QString markDeleted() { return QStringLiteral("X"); }

    static QColor editableColor() { return {255, 255, 192}; }
    static QColor lockedColor() { return {255, 255, 255}; }
    static QColor popupColor() { return {213, 254, 175}; }
    static QColor shadedColor() { return {224, 224, 224}; }

    explicit clsSpread(QObject* parent);
    ~clsSpread() override;

    // Set-up and layout.
    void Spr(SpreadView* grid);
    SpreadView* Spr() const { return m_grid; }
    void SetInit(int rows, int cols, int rowHeight, int operationMode, int fontSize, bool bold,
                 bool headInit, bool headSort, const QString& headerRows, bool colResize);
    void SetHeadInit(int index, int fontSize, bool bold, int height);
    void SetHeadInitRow(int index, int fontSize, bool bold, int width);
    void SetColType(int col, const QString& header, const QString& colId, int width,
                    const QString& keyTag, int cellType, int length, int decimals, bool separator,
                    int hAlign, int vAlign, bool hidden, bool locked, bool highlighted,
                    bool multiLine, const QColor& colour = QColor(),
                    const QString& headerRow = QStringLiteral("-1000"));
    void SetRowType(int row, const QString& header, int height, int cellType, int length,
                    int decimals, bool separator, int hAlign, int vAlign, bool hidden,
                    const QColor& colour = QColor());
    void SetCellType(int col, int row, int cellType);
    int GetCellType(int col, int row) const;
    QString GetColID(int col) const;
    void SetColHidden(int col, bool hidden);
    void SetRowHidden(int row, bool hidden);
    void SetRowHidden2(int firstRow, int lastRow, bool hidden);
    void SetHAlign(int col, int row, int align);
    void SetVAlign(int col, int row, int align);
    void SetAlign(int firstCol, int lastCol, int firstRow, int lastRow, int vAlign, int hAlign);
    void SetCboAddList(int col, int row, const QString& list, int width);
    void SetCboClsList(int col, int row);
    void SetDataFillEvent(int col, bool flag);
    void SetFormula(int col, int row, const QString& formula);
    void SetRowMerge(int row, int mode);
    void SetColMerge(int col, int mode);
    void SPCellSpan(const QString& col, int cols, const QString& text, const QString& row,
                    const QString& rows);
    void SetFocus(int col, int row);

    // Size, active cell and selection.
    int MaxRows() const;
    void SetMaxRows(int rows);
    int MaxCols() const;
    int ActiveRow() const;
    int ActiveCol() const;
    // The column declared with the ID; -1 when none.
    int ColumnNumber(const QString& colId) const;
    // The column letters a formula uses ("A" for 1, "AA" for 27).
    static QString ColumnLetter(int col);

    // Filling.
    int SetbindRS(const QString& sql, const QString& caller);
    // Cell by cell; a failure is handed back in err (nothing logged here).
    bool fillSpread(const QString& sql, DbError* err = nullptr);

    // Cell access.
    QString GetValue(int col, int row) const;
    void SetValue(int col, int row, const QVariant& value);
    QString GetText(int col, int row) const;
    void SetText(int col, int row, const QString& text);
    QString GetCellNote(int col, int row) const;
    void SetCellNote(int col, int row, const QString& note);
    QVariant ValueWithColID(const QString& colId, int row) const;
    void ValueWithColID(const QString& colId, int row, const QVariant& value);
    QString TextWithColID(const QString& colId, int row) const;
    void TextWithColID(const QString& colId, int row, const QString& text);
    QPixmap PicWithColID(const QString& colId, int row) const;
    void PicWithColID(const QString& colId, int row, const QPixmap& picture);
    QString GetCellText(const QString& colId, int row) const;
    void SetCellText(const QString& colId, int row, const QString& text);
    void SetBolckText(int firstCol, int lastCol, int firstRow, int lastRow, const QString& text);

    // Colours and locking.
    void SetColor(int firstCol, int lastCol, int firstRow, int lastRow, const QColor& colour);
    void SetForeColor(int col, int row, const QColor& colour);
    void SetForeColor2(int col, int row, int lastCol, int lastRow, const QColor& colour);
    // Colours as decimal text (red + green * 256 + blue * 65536).
    QString GetColor(int col, int row) const;
    QString GetForeColor(int col, int row) const;
    void SetLock(int firstCol, int firstRow, int lastCol, int lastRow, bool lock);
    void SetAllLock(bool lock);
    void SetInsertRow(int row, int col);
    void gsSprPopup(const QString& colId, int row, bool popup);
    void ShadedRow(int n);

    // Blinking.
    void setUseTimer(QTimer* timer);
    void EnableTimer(bool on);
    void SetTwinkle(int col, const QString& value);
    void SetColPos(int col);

    // Row editing and checks.
    void InsertRow();
    int OneAddRow(int row);
    void CopyRow(int sourceRow, int blankCol);
    void CancelRow();
    void DeleteRow(int row);
    void UnchkDelRow(const QString& value, int col);
    void DeleteChk();
    void KeyUpdateChk(int& keyCode, int row, QWidget* screen = nullptr);
    bool EditChk() const;
    bool InsertChk() const;
    int FindInsertRow() const;
    int FindRow(const QString& text) const;
    int FindRcount(const QString& text) const;
    int CheckPKField(int row) const;
    bool DuplicateChk(const QString& colId, int row) const;
    bool DuplicateChk2(const QString& firstColId, const QString& secondColId, int row) const;

    // Spreadsheet export of the grid with its header rows; false when nothing was written
    // or the file could not be opened / printed.
    bool Excel_Convert(QWidget* screen, const QString& centre, const QString& left,
                       const QString& right);
    bool Excel_Print(QWidget* screen, const QString& centre, const QString& left,
                     const QString& right, int orientation);

    // The file an export writes for a screen caption at a time.
    static QString exportFileName(const QString& caption, const QDateTime& at);

signals:
    // Data-fill notification for the columns that asked for it, after a load.
    void dataFill(int col, int row);

private:
    SpreadModel* model() const;
    void onKeyDown(int keyCode);
    void onTimer();
    void setMark(int row, const QString& mark);
    QString mark(int row) const;
    // First row after `after` (up to `last`) whose column value equals text; -1 when none.
    int searchCol(int col, int after, int last, const QString& text) const;
    int searchText(int col, int after, int last, const QString& text) const;
    void reportDuplicate(int row) const;
    bool exportTo(QWidget* screen, const QString& centreHeader, const QString& left,
                  const QString& right, bool landscape, QString* file);
    void emitDataFill();

    QPointer<SpreadView> m_grid;
    SpreadModel* m_spare; // answers while no grid is attached
    QPointer<QTimer> m_timer;
    int m_blinkCol = 0;
    QString m_blinkValue;
    bool m_blinkPhase = false;
};
