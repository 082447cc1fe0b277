#include "quality/moldteststatements.h"

#include "core/modfn.h"

#include <QRegularExpression>

namespace MoldTestStatements {

namespace {
QString q(const QString& value) {
    return gfSQL_STR(value);
}

QString value(const QHash<QString, QString>& values, const QString& column) {
    return numberText(values.value(column)).value_or(QString());
}

QString where(const QString& opSeqSub, const QString& testDate) {
    return QStringLiteral("WHERE op_seq_sub = '") + q(opSeqSub) +
           QStringLiteral("' AND test_date = '") + q(testDate) + QLatin1Char('\'');
}

QStringList numbered(const char* prefix, int count) {
    QStringList l;
    for (int n = 1; n <= count; ++n)
        l << QLatin1String(prefix) + QString::number(n);
    return l;
}

// The update's order: times, then the stages, then the per-shift counts group by group.
QStringList updateColumns() {
    QStringList l = {QStringLiteral("time_s_ju"), QStringLiteral("time_s_ya"),
                     QStringLiteral("time_n_ju"), QStringLiteral("time_n_ya"),
                     QStringLiteral("time_h_ju"), QStringLiteral("time_h_ya")};
    for (int n = 1; n <= 5; ++n)
        for (const char* p : {"cylinder", "sacul", "speed", "mm"})
            l << QLatin1String(p) + QString::number(n);
    for (const char* p : {"cv_ju", "shot_ju", "gadong_ju", "cv_ya", "shot_ya", "gadong_ya"})
        l << numbered(p, 3);
    return l;
}
} // namespace

const QStringList& valueColumns() {
    static const QStringList columns = [] {
        QStringList l;
        for (int n = 1; n <= 5; ++n)
            for (const char* p : {"cylinder", "sacul", "speed", "mm"})
                l << QLatin1String(p) + QString::number(n);
        l << QStringLiteral("time_s_ju") << QStringLiteral("time_s_ya")
          << QStringLiteral("time_n_ju") << QStringLiteral("time_n_ya")
          << QStringLiteral("time_h_ju") << QStringLiteral("time_h_ya");
        for (int k = 1; k <= 3; ++k)
            for (const char* p : {"cv_ju", "shot_ju", "gadong_ju", "cv_ya", "shot_ya", "gadong_ya"})
                l << QLatin1String(p) + QString::number(k);
        return l;
    }();
    return columns;
}

Field fieldOf(const QString& column) {
    static const QRegularExpression staged(QStringLiteral("^(cylinder|sacul|speed|mm)(\\d)$"));
    static const QRegularExpression counted(QStringLiteral("^(cv|shot|gadong)_(ju|ya)(\\d)$"));
    static const QRegularExpression timed(QStringLiteral("^time_([snh])_(ju|ya)$"));
    QRegularExpressionMatch m = staged.match(column);
    if (m.hasMatch())
        return {QStringLiteral("lbl_") + m.captured(1), m.captured(2).toInt() - 1};
    m = counted.match(column);
    if (m.hasMatch())
        return {QStringLiteral("lbl_") + m.captured(1) + QLatin1Char('_') + m.captured(2),
                m.captured(3).toInt() - 1};
    m = timed.match(column);
    if (m.hasMatch())
        return {QStringLiteral("lbltime_") + m.captured(1),
                m.captured(2) == QLatin1String("ju") ? 0 : 1};
    return {};
}

QString caption(const QString& column) {
    static const QHash<QString, std::pair<QString, QStringList>> groups = {
        {QStringLiteral("lbl_cylinder"),
         {QStringLiteral("실린더 온도 (℃)"),
          {QStringLiteral("HN"), QStringLiteral("H1"), QStringLiteral("H2"), QStringLiteral("H3"),
           QStringLiteral("쿠션량")}}},
        {QStringLiteral("lbl_sacul"),
         {QStringLiteral("사출 압력 (kgf/cm², %)"),
          {QStringLiteral("1차"), QStringLiteral("2차"), QStringLiteral("3차"),
           QStringLiteral("보압1차"), QStringLiteral("보압2차")}}},
        {QStringLiteral("lbl_speed"),
         {QStringLiteral("속도 (mm/s, %)"),
          {QStringLiteral("1차"), QStringLiteral("2차"), QStringLiteral("3차"),
           QStringLiteral("4차"), QStringLiteral("-")}}},
        {QStringLiteral("lbl_mm"),
         {QStringLiteral("계량 거리 (mm)"),
          {QStringLiteral("1차"), QStringLiteral("2차"), QStringLiteral("3차"),
           QStringLiteral("4차"), QStringLiteral("석백")}}},
        {QStringLiteral("lbltime_s"),
         {QStringLiteral("사출 시간"), {QStringLiteral("주"), QStringLiteral("야")}}},
        {QStringLiteral("lbltime_n"),
         {QStringLiteral("냉각 시간"), {QStringLiteral("주"), QStringLiteral("야")}}},
        {QStringLiteral("lbltime_h"),
         {QStringLiteral("행정 시간"), {QStringLiteral("주"), QStringLiteral("야")}}},
    };
    const Field f = fieldOf(column);
    const auto g = groups.constFind(f.group);
    if (g != groups.constEnd())
        return g->first + QLatin1Char(' ') + g->second.value(f.index);
    // The per-shift counts: "주 생산 SHOT수 2".
    static const QHash<QString, QString> counts = {
        {QStringLiteral("cv"), QStringLiteral("생산 C/V 수")},
        {QStringLiteral("shot"), QStringLiteral("생산 SHOT수")},
        {QStringLiteral("gadong"), QStringLiteral("가동 시간")}};
    const QStringList parts = f.group.mid(4).split(QLatin1Char('_'));
    if (parts.size() == 2)
        return (parts[1] == QLatin1String("ju") ? QStringLiteral("주 ") : QStringLiteral("야 ")) +
               counts.value(parts[0]) + QLatin1Char(' ') + QString::number(f.index + 1);
    return column;
}

std::optional<QString> numberText(const QString& value) {
    static const QRegularExpression re(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)$"));
    const QString t = value.trimmed();
    if (!re.match(t).hasMatch())
        return std::nullopt;
    return t;
}

std::optional<QString> firstNonNumber(const QHash<QString, QString>& values) {
    for (const QString& column : valueColumns()) {
        const QString v = values.value(column);
        if (!v.trimmed().isEmpty() && !numberText(v))
            return column;
    }
    return std::nullopt;
}

QString load(const QString& opSeqSub) {
    QStringList l;
    const QStringList& columns = valueColumns();
    l << QStringLiteral("SELECT  ") + columns.front();
    for (qsizetype i = 1; i < columns.size(); ++i)
        l << QStringLiteral("        ,") + columns[i];
    l << QStringLiteral("From Q_MOLDTEST_RESULT")
      << QStringLiteral("WHERE op_seq_sub = '") + q(opSeqSub) + QLatin1Char('\'');
    return l.join(QLatin1Char('\n'));
}

QString count(const QString& opSeqSub, const QString& testDate) {
    return QStringLiteral("SELECT COUNT(*) FROM Q_MOLDTEST_RESULT\n") + where(opSeqSub, testDate);
}

QString update(const QString& opSeqSub, const QString& testDate,
               const QHash<QString, QString>& values) {
    QStringList l = {QStringLiteral("UPDATE Q_MOLDTEST_RESULT"), QStringLiteral("SET"),
                     QStringLiteral("    test_date = '") + q(testDate) + QLatin1Char('\'')};
    for (const QString& column : updateColumns()) {
        const QString v = value(values, column);
        if (v.isEmpty())
            continue;
        // The cylinder lines carry a blank after the comma.
        const QString lead = column.startsWith(QLatin1String("cylinder")) ? QStringLiteral("    , ")
                                                                          : QStringLiteral("    ,");
        l << lead + column + QStringLiteral(" = ") + v;
    }
    l << where(opSeqSub, testDate);
    return l.join(QLatin1Char('\n'));
}

QString insert(const QString& opSeqSub, const QString& productCode, const QString& testDate,
               const QHash<QString, QString>& values) {
    QStringList l = {QStringLiteral("INSERT INTO Q_MOLDTEST_RESULT("),
                     QStringLiteral("    op_seq_sub"), QStringLiteral("    ,product_code"),
                     QStringLiteral("    ,test_date")};
    for (const QString& column : valueColumns())
        l << QStringLiteral("    ,") + column;
    l << QStringLiteral("    )VALUES(") << QStringLiteral("    '") + q(opSeqSub) + QLatin1Char('\'')
      << QStringLiteral("    ,'") + q(productCode) + QLatin1Char('\'')
      << QStringLiteral("    ,'") + q(testDate) + QLatin1Char('\'');
    for (const QString& column : valueColumns()) {
        const QString v = value(values, column);
        l << QStringLiteral("    ,") + (v.isEmpty() ? QStringLiteral("NULL") : v);
    }
    l << QStringLiteral(")");
    return l.join(QLatin1Char('\n'));
}

} // namespace MoldTestStatements
