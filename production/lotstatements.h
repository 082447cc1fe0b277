#pragma once

#include <QString>

// The statements of the material lots: the report screen's material grid, its lot lists and
// the lot selection screen. Built line by line (a line feed before every line), every quoted
// value passed through gfSQL_STR.
namespace LotSql {

// The product's materials from its bill of materials, with the run's lots from
// ##TEMP_REAL_LOT when that table exists.
QString materials(const QString& productCode, const QString& opSeqSub);
// The first lot with stock of a material: advance stock first, then by lot number.
QString firstLot(const QString& materialCode, const QString& today);
// Every lot with stock of a material, in the same order.
QString lotList(const QString& materialCode, const QString& today);
// Removes the lot link of a material row of the product.
QString deleteLotHistory(const QString& materialCode, const QString& productCode,
                         const QString& lotNo);

// The lot selection screen's grid: the lots with stock of a material.
QString selectLots(const QString& materialCode, const QString& today);
// A scanned lot of a material: its received quantity first.
QString scannedLot(const QString& lotNo, const QString& materialCode, const QString& today);
// A lot's first date and first idx.
QString lotStart(const QString& materialCode, const QString& lotNo);
// An older lot of the material with stock, for the first-in first-out check.
QString olderLot(const QString& orderDate, const QString& materialCode, const QString& firstDate,
                 const QString& firstIdx);

} // namespace LotSql
