#pragma once

#include <QStyledItemDelegate>

// Editors and painting by cell type: text boxes with their maximum length, number boxes
// that take digits, separators and the decimal point, combo lists, 24-hour times, push
// buttons, stretched pictures and check boxes.
class SpreadDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit SpreadDelegate(QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

signals:
    // Grid numbers of a button cell; down is 1 when pressed and 0 when released.
    void buttonClicked(int col, int row, int down);
    // A key pressed inside an open editor.
    void editorKey(int key, const QString& text);
    // Enter ended editing (the value is committed and the editor closed).
    void enterPressed();

protected:
    bool eventFilter(QObject* editor, QEvent* event) override;

private:
    QPersistentModelIndex m_pressed;
};
