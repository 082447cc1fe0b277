#pragma once

#include <QColor>
#include <QPersistentModelIndex>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>

// A resolved target: the widget, and within it the grid cell or the tab when the target is
// one. It reads what the control shows and where a touch lands on it.
class ReplayHit {
public:
    ReplayHit() = default;
    explicit ReplayHit(QWidget* widget) : m_widget(widget) {}
    static ReplayHit cell(QWidget* view, const QModelIndex& index);
    static ReplayHit tab(QWidget* tabBar, int index);

    QWidget* widget() const { return m_widget; }
    bool isCell() const { return m_cell.isValid(); }
    QModelIndex cellIndex() const { return m_cell; }
    bool isTab() const { return m_tab >= 0; }
    bool isGone() const { return !m_widget || (m_wasCell && !m_cell.isValid()); }
    bool isEnabled() const;

    // The shown text (line breaks written as \n, see flatten); false when the control shows
    // no text of its own.
    bool text(QString* text) const;
    // The background colour (for a grid cell, the cell's).
    QColor background() const;
    // The widget that receives a touch at the centre of the control, and the point in it.
    // A cell is scrolled into view first.
    QWidget* touchPoint(QPoint* local) const;

    // Text as one line: backslash, carriage return, line feed and tab as \\ \r \n \t.
    static QString flatten(const QString& text);
    // The text a widget shows, flattened; false when it shows none.
    static bool shownText(const QWidget* widget, QString* text);

private:
    QPointer<QWidget> m_widget;
    QPersistentModelIndex m_cell;
    bool m_wasCell = false;
    int m_tab = -1;
};
