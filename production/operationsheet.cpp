#include "production/operationsheet.h"

#include "core/platform/apppaths.h"
#include "production/lotbarcode.h"

namespace OperationSheet {

QList<Cell> cells(const Values& v) {
    const auto b = [](int row, const QString& text) { return Cell{row, 2, text}; };
    return {
        Cell{1, 1, QStringLiteral("공정이동표(공정명 :") + v.processName + QLatin1Char(')')},
        b(2, v.productName),
        b(3, v.carCode),
        b(4, v.goodCount + QStringLiteral("EA")),
        b(5, v.employeeName),
        b(6, v.date.toString(QStringLiteral("yyyy-MM-dd"))),
        b(7, LotBarcode::text(v.lotNo, v.productCode)),
        b(8, v.lotNo),
    };
}

QString cellName(const Cell& cell) {
    return QChar(QLatin1Char('A').unicode() + cell.col - 1) + QString::number(cell.row);
}

QString sheetName() {
    return QStringLiteral("공정이동표");
}

QString templateFile() {
    return AppPaths::file(QStringLiteral("excel/가람금속_공정이동표(입고).xlsx"));
}

QString issuedFile() {
    return AppPaths::file(QStringLiteral("excel/공정이동표(발행).xlsx"));
}

} // namespace OperationSheet
