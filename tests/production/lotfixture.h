#pragma once

#include "production/frm_s_dayreport.h"
#include "tests/production/reportfixture.h"
#include "ui/common/clsspread.h"
#include "ui/common/spreadview.h"
#include "workorders/clickablelabel.h"

#include <QMap>

#include <QStringList>
#include <initializer_list>

// Lists of UTF-8 literals.
inline QStringList utf8List(std::initializer_list<const char*> l) {
    QStringList out;
    for (const char* s : l)
        out << QString::fromUtf8(s);
    return out;
}

// The report screen's material grid: product A is made of M1 (2 per piece) and M2 (1 per
// piece). Run R1 was loaded with good 50 and defective 2; a good quantity typed on the
// keypad makes the quantity not yet saved. Lot stock is received on 2024-03-01 unless
// given.
class LotTest : public ReportTest {
protected:
    void SetUp() override { ReportTest::SetUp(); }

    static QString materials() {
        return QStringLiteral(
            "INSERT INTO B_ABC (abc, abc_gubun) VALUES ('R', N'자재');\n"
            "INSERT INTO B_PRODUCT_MASTER (product_code, pumbun, eono, product_name, car_code, "
            "type, unit_code, abc) VALUES ('M1', 'PN-M1', 'R0', N'강판', 'C1', N'원자재', 'KG', "
            "'R');\n"
            "INSERT INTO B_PRODUCT_MASTER (product_code, pumbun, eono, product_name, car_code, "
            "type, unit_code, abc) VALUES ('M2', 'PN-M2', 'R0', N'볼트', 'C1', N'부자재', 'EA', "
            "'R');\n"
            "INSERT INTO B_BOM (bom_code, high_bom_code, product_code, usage) VALUES "
            "('BA', NULL, 'A', 1);\n"
            "INSERT INTO B_BOM (bom_code, high_bom_code, product_code, usage) VALUES "
            "('BA-1', 'BA', 'M1', 2);\n"
            "INSERT INTO B_BOM (bom_code, high_bom_code, product_code, usage) VALUES "
            "('BA-2', 'BA', 'M2', 1);\n");
    }

    static QString receipt(const char* material, const QString& lot, int qty,
                           const char* date = "2024-03-01") {
        return QStringLiteral("INSERT INTO S_PRODUCT_STORE (product_code, lot_no, ipgo_su, "
                              "culgo_su, reg_date) VALUES ('%1', N'%2', %3, 0, '%4');\n")
            .arg(QLatin1String(material), lot, QString::number(qty), QLatin1String(date));
    }
    static QString issue(const char* material, const QString& lot, int qty) {
        return QStringLiteral("INSERT INTO S_PRODUCT_STORE (product_code, lot_no, ipgo_su, "
                              "culgo_su, reg_date) VALUES ('%1', N'%2', 0, %3, '2024-03-04');\n")
            .arg(QLatin1String(material), lot, QString::number(qty));
    }

    // Opens run R1 on the plant with the stock, then types the good quantity.
    frm_S_dayReport* openWithGood(const QString& stock, const QString& good) {
        createPlant(materials() + stock);
        frm_S_dayReport* r = open();
        keypadAnswers(good);
        QTest::mouseClick(r->lblOk_Cnt, Qt::LeftButton);
        answer = {};
        windows.clear();
        return r;
    }

    // A grid row as "lot stock input mark", "-" for an empty lot.
    static QString rowText(const clsSpread& ss, int row) {
        const QString lot = ss.TextWithColID(QStringLiteral("LOT NO"), row);
        return QStringList{lot.isEmpty() ? QStringLiteral("-") : lot,
                           ss.ValueWithColID(QStringLiteral("LOT재고"), row).toString(),
                           ss.ValueWithColID(QStringLiteral("투입수량"), row).toString(),
                           ss.GetValue(0, row)}
            .join(QLatin1Char(' '))
            .trimmed();
    }
    // The grid's rows per material, top to bottom.
    static QMap<QString, QStringList> rows(const frm_S_dayReport* r) {
        QMap<QString, QStringList> m;
        const clsSpread& ss = *r->lotSpread();
        for (int row = 1; row <= ss.MaxRows(); ++row)
            m[ss.TextWithColID(QStringLiteral("제품코드"), row)] << rowText(ss, row);
        return m;
    }
    // Makes a grid cell the active one, as a touch does.
    static void touch(frm_S_dayReport* r, const char* colId, int row) {
        r->lotSpread()->SetFocus(r->lotSpread()->ColumnNumber(QString::fromUtf8(colId)), row);
    }
    static int rowOf(const frm_S_dayReport* r, const char* material, int nth = 1) {
        const clsSpread& ss = *r->lotSpread();
        for (int row = 1; row <= ss.MaxRows(); ++row)
            if (ss.TextWithColID(QStringLiteral("제품코드"), row) == QLatin1String(material) &&
                --nth == 0)
                return row;
        return 0;
    }
};
