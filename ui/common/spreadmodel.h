#pragma once

#include "ui/common/spreadcellstore.h"
#include "ui/common/spreadcelltype.h"
#include "ui/common/spreadlayer.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QList>
#include <QPixmap>
#include <QRect>
#include <QStringList>

#include <vector>

class Recordset;

// The contents of one grid: values, header rows, row-header marks and every cell
// attribute. Outside this class rows and columns are the grid's 1-based numbers; the Qt
// model indexes are the same numbers less one. Attributes are written for a block whose
// bounds may be -1 (all rows / all columns) and read per cell.
class SpreadModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Role {
        CellTypeRole = Qt::UserRole + 1,
        PictureRole,
        ComboListRole,
        ComboWidthRole,
        MaxLengthRole,
        LockedRole,
    };

    struct Column {
        QString id;
        QString keyTag;
        bool dataFill = false;
        int merge = 0;
        double width = 9; // grid units
        bool hidden = false;
    };

    struct HeaderSpan {
        int headerRow = 0; // 0 for the first header row
        int col = 0;       // 0 for the row-header corner
        int rows = 1;
        int cols = 1;
    };

    explicit SpreadModel(QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

    int maxRows() const { return m_store.rowCount(); }
    int maxCols() const { return m_store.columnCount(); }
    void setMaxRows(int rows);
    void setMaxCols(int cols);
    // Inserts n empty rows before grid row `at` (maxRows() + 1 appends).
    void insertGridRows(int at, int n);
    void removeGridRows(int at, int n);
    // Replaces every row with the result's rows; the layout and attributes stay.
    void load(const Recordset& rs);
    std::size_t memoryBytes() const;

    int headerRows() const { return m_headerRows; }
    void setHeaderRows(int n);
    QString headerText(int headerRow, int col) const;
    void setHeaderText(int headerRow, int col, const QString& text);
    SpreadFont headerFont(int headerRow) const { return m_headerFont[headerRow == 1 ? 1 : 0]; }
    void setHeaderFont(int headerRow, SpreadFont font);
    const QList<HeaderSpan>& headerSpans() const { return m_headerSpans; }
    void addHeaderSpan(const HeaderSpan& span);
    // The span that covers a header cell, or null.
    const HeaderSpan* headerSpanAt(int headerRow, int col) const;

    QString rowHeaderText(int row) const;
    void setRowHeaderText(int row, const QString& text);

    const Column& column(int col) const;
    Column& column(int col);
    // The column of an ID; -1 when none was declared with it.
    int columnById(const QString& id) const;

    // The stored value (formulas computed), the shown text, and writes of either.
    QString value(int row, int col) const;
    void setValue(int row, int col, const QString& value);
    QString displayText(int row, int col) const;
    // Text as typed: number cells take a number (separators allowed); false when refused.
    bool setDisplayText(int row, int col, const QString& text);
    // A number cell's value as a number (0 when empty or not a number).
    double number(int row, int col) const;

    QColor background(int row, int col) const;
    QColor foreground(int row, int col) const;
    bool locked(int row, int col) const;
    int hAlign(int row, int col) const;
    int vAlign(int row, int col) const;
    int cellType(int row, int col) const;
    SpreadTypeFormat format(int row, int col) const;
    SpreadFont font(int row, int col) const;
    QStringList comboList(int row, int col) const;
    int comboWidth(int row, int col) const;
    QString note(int row, int col) const;
    QPixmap picture(int row, int col) const;
    QString formula(int row, int col) const;

    // Block writes: c1..c2 x r1..r2, where -1 stands for all columns or all rows.
    void setBackground(int c1, int r1, int c2, int r2, const QColor& c);
    void setForeground(int c1, int r1, int c2, int r2, const QColor& c);
    void setLocked(int c1, int r1, int c2, int r2, bool lock);
    void setHAlign(int c1, int r1, int c2, int r2, int a);
    void setVAlign(int c1, int r1, int c2, int r2, int a);
    void setCellType(int c1, int r1, int c2, int r2, int type);
    void setFormat(int c1, int r1, int c2, int r2, const SpreadTypeFormat& f);
    void setFont(int c1, int r1, int c2, int r2, SpreadFont f);
    void setComboList(int c1, int r1, int c2, int r2, const QStringList& list);
    void setComboWidth(int c1, int r1, int c2, int r2, int width);
    void setNote(int row, int col, const QString& note);
    void setPicture(int row, int col, const QPixmap& picture);
    void setFormula(int row, int col, const QString& formula);

    // Joined cells of the data area (grid numbers: x column, y row).
    const QList<QRect>& dataSpans() const { return m_dataSpans; }
    void addDataSpan(const QRect& span);

signals:
    void dataSpansChanged();

private:
    template <typename T>
    void write(SpreadLayer<T>& layer, int c1, int r1, int c2, int r2, const T& v);
    // True when joined blocks moved (the view is told after the rows changed).
    bool shiftRows(int at, int n);
    void notify(int c1, int r1, int c2, int r2);
    double formulaCell(int row, int col, int depth) const;
    QString computed(int row, int col, int depth) const;
    bool inside(int row, int col) const;

    SpreadCellStore m_store;
    std::vector<QString> m_rowHeader;
    std::vector<Column> m_columns; // index = column number, 0 unused
    int m_headerRows = 1;
    std::vector<QString> m_headerText[2]; // index = column number, 0 is the corner
    SpreadFont m_headerFont[2];
    QList<HeaderSpan> m_headerSpans;
    QList<QRect> m_dataSpans;

    quint64 m_seq = 0;
    SpreadLayer<QColor> m_background;
    SpreadLayer<QColor> m_foreground;
    SpreadLayer<bool> m_locked;
    SpreadLayer<int> m_hAlign;
    SpreadLayer<int> m_vAlign;
    SpreadLayer<int> m_type;
    SpreadLayer<SpreadTypeFormat> m_format;
    SpreadLayer<SpreadFont> m_font;
    SpreadLayer<QStringList> m_comboList;
    SpreadLayer<int> m_comboWidth;
    SpreadLayer<QString> m_note;
    SpreadLayer<QPixmap> m_picture;
    SpreadLayer<QString> m_formula;
};
