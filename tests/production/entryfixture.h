#pragma once

#include "tests/production/productionfixture.h"

#include "ui/common/clsspread.h"
#include "ui/common/spreadview.h"

#include <QTest>

// Helpers for the two per-code entry screens.
class EntryFixture : public ProductionFixture {
protected:
    // The grid's shown cells of every row, cells joined by '|'.
    static QStringList shownRows(clsSpread* g) {
        QStringList rows;
        for (int r = 1; r <= g->MaxRows(); ++r) {
            QStringList cells;
            for (int c = 1; c <= g->MaxCols(); ++c)
                if (!g->Spr()->isColumnHidden(c - 1))
                    cells << g->GetText(c, r);
            rows << cells.join(QLatin1Char('|'));
        }
        return rows;
    }
    // The row whose column holds the text; 0 when none.
    static int rowOf(clsSpread* g, const QString& colId, const QString& text) {
        for (int r = 1; r <= g->MaxRows(); ++r)
            if (g->TextWithColID(colId, r) == text)
                return r;
        return 0;
    }
    // A touch on the cell, answering the keypad with the keys.
    void touch(clsSpread* g, const QString& colId, int row, const QStringList& keyNames) {
        keys = keyNames;
        SpreadView* v = g->Spr();
        const QModelIndex i = v->model()->index(row - 1, g->ColumnNumber(colId) - 1);
        v->scrollTo(i);
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(i).center());
        keys.clear();
    }
};
