#pragma once

#include <QDate>
#include <QString>

// The statements of the production list board, the quality board and the product picture
// board.
namespace QualityBoardStatements {
// Every production result with its good quantity, one row per defect.
QString productionList();
// The defect quantities of today's month by defect type.
QString monthDefects(const QDate& today);
// The part number of the order running on the machine whose picture display is at `ip`.
QString runningPart(const QString& ip);
} // namespace QualityBoardStatements
