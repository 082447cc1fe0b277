#include "ui/common/spreadheaderview.h"

#include "ui/common/spreadmodel.h"

#include <QPaintEvent>
#include <QPainter>
#include <QSet>

SpreadHeaderView::SpreadHeaderView(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(true);
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignCenter);
    setMinimumSectionSize(0);
}

QColor SpreadHeaderView::background() {
    return QColor(217, 222, 253);
}

QColor SpreadHeaderView::shadow() {
    return QColor(128, 128, 255);
}

void SpreadHeaderView::setRowHeight(int headerRow, int height) {
    if (headerRow < 0 || headerRow > 1)
        return;
    m_height[headerRow] = std::max(1, height);
    updateGeometry();
    viewport()->update();
}

int SpreadHeaderView::rowHeight(int headerRow) const {
    return headerRow >= 0 && headerRow <= 1 ? m_height[headerRow] : 0;
}

int SpreadHeaderView::rowTop(int headerRow) const {
    return headerRow <= 0 ? 0 : m_height[0];
}

SpreadModel* SpreadHeaderView::spreadModel() const {
    return qobject_cast<SpreadModel*>(model());
}

int SpreadHeaderView::headerRows() const {
    const SpreadModel* m = spreadModel();
    return m ? m->headerRows() : 1;
}

QSize SpreadHeaderView::sizeHint() const {
    QSize s = QHeaderView::sizeHint();
    int h = 0;
    for (int r = 0; r < headerRows(); ++r)
        h += m_height[r];
    s.setHeight(h);
    return s;
}

QRect SpreadHeaderView::columnsRect(int first, int count) const {
    int left = -1;
    int right = -1;
    for (int c = first; c < first + count; ++c) {
        const int logical = c - 1;
        if (logical < 0 || logical >= this->count() || isSectionHidden(logical))
            continue;
        const int x = sectionViewportPosition(logical);
        if (left < 0)
            left = x;
        right = x + sectionSize(logical);
    }
    return left < 0 ? QRect() : QRect(left, 0, right - left, 0);
}

void SpreadHeaderView::paintCell(QPainter& p, const QRect& r, const QString& text,
                                 int headerRow) const {
    p.fillRect(r, background());
    p.setPen(shadow());
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    p.setPen(Qt::white);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    const SpreadModel* m = spreadModel();
    QFont f = font();
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("NanumGothic")});
    if (m) {
        f.setPointSize(m->headerFont(headerRow).size);
        f.setBold(m->headerFont(headerRow).bold);
    }
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(r.adjusted(2, 1, -2, -1), Qt::AlignCenter | Qt::TextWordWrap, text);
}

void SpreadHeaderView::paintEvent(QPaintEvent* event) {
    QPainter p(viewport());
    p.fillRect(event->rect(), Qt::white);
    const SpreadModel* m = spreadModel();
    if (!m || count() == 0)
        return;
    const int first = std::max(0, visualIndexAt(event->rect().left()));
    int last = visualIndexAt(event->rect().right());
    if (last < 0)
        last = count() - 1;
    QSet<const SpreadModel::HeaderSpan*> drawn;
    for (int r = 0; r < headerRows(); ++r) {
        for (int v = first; v <= last; ++v) {
            const int logical = logicalIndex(v);
            if (logical < 0 || isSectionHidden(logical))
                continue;
            const int col = logical + 1;
            const SpreadModel::HeaderSpan* span = m->headerSpanAt(r, col);
            QRect cell;
            QString text;
            int fontRow = r;
            if (span) {
                if (drawn.contains(span))
                    continue;
                drawn.insert(span);
                const int rows = std::min(span->rows, headerRows() - span->headerRow);
                cell = columnsRect(std::max(1, span->col),
                                   span->cols - (span->col < 1 ? 1 - span->col : 0));
                cell.setTop(rowTop(span->headerRow));
                cell.setHeight(rowTop(span->headerRow + rows - 1) +
                               m_height[span->headerRow + rows - 1] - rowTop(span->headerRow));
                text = m->headerText(span->headerRow, span->col);
                fontRow = span->headerRow;
            } else {
                cell = QRect(sectionViewportPosition(logical), rowTop(r), sectionSize(logical),
                             m_height[r]);
                text = m->headerText(r, col);
            }
            if (!cell.isEmpty())
                paintCell(p, cell.adjusted(0, 0, -1, -1), text, fontRow);
        }
    }
}
