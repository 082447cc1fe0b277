// Values on their way from the embedded database into a Recordset and the grid: the value
// each reads back as, and the text the grid shows for it.
#include "gridfixture.h"

#include "core/data/recordset.h"
#include "core/modbas.h"
#include "core/moddb.h"
#include "core/modfn.h"
#include "ui/common/spreadcellstore.h"

#include <QDate>
#include <QDateTime>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

namespace {

QString shownText(const QVariant& v) {
    std::vector<char16_t> text;
    SpreadCellStore::appendValue(v, text);
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

// Every cell loaded from a one-column result shows the text the grid's rule for the
// QVariant the recordset gives for it.
void expectShownAsValue(const Recordset& rs) {
    SpreadCellStore store;
    store.clear(1);
    store.load(rs);
    ASSERT_EQ(store.rowCount(), rs.rowCount());
    for (int r = 0; r < rs.rowCount(); ++r)
        ASSERT_EQ(store.text(r, 0), shownText(rs.value(r, 0))) << "row " << r;
}

TEST(CellTextTest, RealsShowAsTheirQVariantText) {
    Recordset rs(QStringList{QStringLiteral("v")});
    const double fixed[] = {0.0,
                            -0.0,
                            1,
                            -1,
                            0.1,
                            1e5,
                            1.2e6,
                            1.2e7,
                            0.001,
                            0.0001,
                            0.00012,
                            1.2e-5,
                            142.428571428571,
                            1234567890123456789.0,
                            1e100,
                            -1.5e-100,
                            std::numeric_limits<double>::max(),
                            std::numeric_limits<double>::lowest(),
                            std::numeric_limits<double>::min(),
                            std::numeric_limits<double>::denorm_min(),
                            std::numeric_limits<double>::infinity(),
                            -std::numeric_limits<double>::infinity(),
                            std::numeric_limits<double>::quiet_NaN()};
    for (const double d : fixed)
        rs.appendReal(d);
    // Any bit pattern, and the decimals numeric(18,3) columns hold.
    std::mt19937_64 random(20240305);
    for (int i = 0; i < 20000; ++i) {
        const quint64 bits = random();
        double d = 0;
        std::memcpy(&d, &bits, sizeof d);
        if (std::isfinite(d))
            rs.appendReal(d);
        rs.appendReal(double(qint64(random() % 2000000000000000000ULL) - 1000000000000000000LL) /
                      std::pow(10.0, double(random() % 19)));
        rs.appendReal(double(qint64(random() % 1000000000) - 500000000) / 1000.0);
    }
    expectShownAsValue(rs);
}

TEST(CellTextTest, TextsBlobsIntegersAndOtherValuesShowAsTheirQVariantText) {
    Recordset rs(QStringList{QStringLiteral("v")});
    const char* const bytes[] = {"",
                                 "P0000001-01",
                                 "생산실적",
                                 "\xEF\xBB\xBF"
                                 "abc",
                                 "x\xEF\xBB\xBF"
                                 "abc",
                                 "a\xE2\x82",
                                 "\xFF\xFE",
                                 "\xC0\xAF",
                                 "\xED\xA0\x80x",
                                 "\xF0\x9F\x98\x80",
                                 "a\xF4\x90\x80\x80z"};
    for (const char* b : bytes) {
        rs.appendText(b, qsizetype(std::strlen(b)));
        rs.appendBlob(b, qsizetype(std::strlen(b)));
    }
    for (const qint64 n : {qint64(0), qint64(-1), std::numeric_limits<qint64>::max(),
                           std::numeric_limits<qint64>::min()})
        rs.appendInteger(n);
    rs.appendNull();
    // Values as another backend hands them over.
    for (const QVariant& v : {QVariant(), QVariant(QStringLiteral("한글")), QVariant(QString()),
                              QVariant(42), QVariant(1.25), QVariant(QDate(2024, 3, 5)),
                              QVariant(QDateTime(QDate(2024, 3, 5), QTime(8, 30))), QVariant(true)})
        rs.appendCell(v);
    expectShownAsValue(rs);
}

class RoundTripTest : public GridTest {};

QString quoted(const QString& text) {
    return QLatin1Char('\'') + gfSQL_STR(text) + QLatin1Char('\'');
}

// NULL, texts, the limits of the integer types, numeric(18,3) values and dates as text,
// stored in the columns of a table, read back through Recordset::value and shown by the grid.
TEST_F(RoundTripTest, ValuesReadBackAndShowAsStored) {
    const QString longText = QString(300, QChar(u'가'));
    const struct {
        QString declared;
        QString literal;
        int type; // QMetaType id; UnknownType for NULL
        QVariant value;
        QString shown;
    } cases[] = {
        {QStringLiteral("VARCHAR(20)"), QStringLiteral("NULL"), QMetaType::UnknownType, QVariant(),
         QString()},
        {QStringLiteral("VARCHAR(20)"), QStringLiteral("''"), QMetaType::QString, QString(),
         QString()},
        {QStringLiteral("VARCHAR(20)"), quoted(QStringLiteral("사출 2호기")), QMetaType::QString,
         QStringLiteral("사출 2호기"), QStringLiteral("사출 2호기")},
        {QStringLiteral("VARCHAR(300)"), quoted(longText), QMetaType::QString, longText, longText},
        {QStringLiteral("INT"), QStringLiteral("2147483647"), QMetaType::LongLong,
         qlonglong(2147483647), QStringLiteral("2147483647")},
        {QStringLiteral("INT"), QStringLiteral("-2147483648"), QMetaType::LongLong,
         qlonglong(-2147483648LL), QStringLiteral("-2147483648")},
        {QStringLiteral("BIGINT"), QStringLiteral("9223372036854775807"), QMetaType::LongLong,
         std::numeric_limits<qlonglong>::max(), QStringLiteral("9223372036854775807")},
        {QStringLiteral("BIGINT"), QStringLiteral("-9223372036854775807 - 1"), QMetaType::LongLong,
         std::numeric_limits<qlonglong>::min(), QStringLiteral("-9223372036854775808")},
        {QStringLiteral("NUMERIC(18,3)"), QStringLiteral("1234.5"), QMetaType::Double, 1234.5,
         QStringLiteral("1234.5")},
        {QStringLiteral("NUMERIC(18,3)"), QStringLiteral("-0.125"), QMetaType::Double, -0.125,
         QStringLiteral("-0.125")},
        {QStringLiteral("NUMERIC(18,3)"), QStringLiteral("999999999999999.875"), QMetaType::Double,
         999999999999999.875, QStringLiteral("999999999999999.9")},
        // A whole number in a numeric column is kept as an integer.
        {QStringLiteral("NUMERIC(18,3)"), QStringLiteral("12.000"), QMetaType::LongLong,
         qlonglong(12), QStringLiteral("12")},
        {QStringLiteral("VARCHAR(10)"), QStringLiteral("'2024-03-05'"), QMetaType::QString,
         QStringLiteral("2024-03-05"), QStringLiteral("2024-03-05")},
        {QStringLiteral("VARCHAR(23)"), QStringLiteral("'2024-03-05 08:30:00.000'"),
         QMetaType::QString, QStringLiteral("2024-03-05 08:30:00.000"),
         QStringLiteral("2024-03-05 08:30:00.000")},
    };
    const int n = int(std::size(cases));
    QString columns;
    QString values;
    QString select;
    for (int i = 0; i < n; ++i) {
        const QString sep = i ? QStringLiteral(", ") : QString();
        columns += sep + QStringLiteral("Col%1 ").arg(i) + cases[i].declared;
        values += sep + cases[i].literal;
        select += sep + QStringLiteral("Col%1").arg(i);
    }
    createDatabase(
        QStringLiteral("plant"),
        QStringLiteral("CREATE TABLE v (%1); INSERT INTO v VALUES (%2);").arg(columns, values));
    ASSERT_TRUE(gfDB_OPEN());
    const QString sql = QStringLiteral("SELECT ") + select + QStringLiteral(" FROM v");
    Recordset rs;
    DbError e;
    ASSERT_TRUE(gCon->select(sql, &rs, &e)) << qPrintable(e.description);
    ASSERT_EQ(rs.rowCount(), 1);
    spread->SetInit(0, n, 35, 0, 12, false, true, false, QStringLiteral("1"), true);
    for (int i = 0; i < n; ++i)
        spread->SetColType(i + 1, QStringLiteral("h"), QStringLiteral("c%1").arg(i), 10, QString(),
                           1, 400, 0, false, 0, 2, false, true, false, false);
    ASSERT_EQ(spread->SetbindRS(sql, QStringLiteral("frm_S_test")), 1);
    for (int i = 0; i < n; ++i) {
        SCOPED_TRACE(qPrintable(cases[i].literal.left(40)));
        const QVariant v = rs.value(0, QStringLiteral("COL%1").arg(i));
        EXPECT_EQ(v.metaType().id(), cases[i].type);
        EXPECT_EQ(v, cases[i].value);
        EXPECT_EQ(v.isValid(), cases[i].type != QMetaType::UnknownType);
        EXPECT_EQ(spread->GetText(i + 1, 1), cases[i].shown);
    }
}

} // namespace
