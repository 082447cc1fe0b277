#include "db/demoproduction.h"

#include "db/demomasterdata.h"
#include "db/sqlscript.h"
#include "db/stockledger.h"

#include <QHash>

#include <algorithm>
#include <tuple>

using namespace Qt::Literals::StringLiterals;

namespace {
using State = DemoSchedule::State;
using Shift = DemoSchedule::Shift;

// Small deterministic variation (FNV-1a), so a given day always gives the same plant.
quint32 vary(const QString& key) {
    quint32 h = 2166136261u;
    for (const char c : key.toUtf8()) {
        h ^= static_cast<unsigned char>(c);
        h *= 16777619u;
    }
    return h;
}

QString day(const QDate& d) {
    return DemoMasterData::date(d);
}
QString compact(const QDate& d) {
    return d.toString(u"yyyyMMdd"_s);
}
QString shortDay(const QDate& d) {
    return d.toString(u"yyMMdd"_s);
}
QString hhmm(int minute) {
    return u"%1:%2"_s.arg(minute / 60 % 24, 2, 10, QLatin1Char('0'))
        .arg(minute % 60, 2, 10, QLatin1Char('0'));
}
QString hhmmss(int minute) {
    return QString(hhmm(minute)).remove(QLatin1Char(':')) + u"00"_s;
}
QString three(int n) {
    return u"%1"_s.arg(n, 3, 10, QLatin1Char('0'));
}
constexpr int at(int hour, int minute) {
    return hour * 60 + minute;
}

struct Receipt {
    QString material;
    int daysAgo;
    qint64 qty;
    bool advance;
};
// Material receipts: enough for the whole history, the newest lots still full. The
// advance stock lot of the springs arrived this morning and is taken before all others.
const QList<Receipt> kReceipts = {
    {u"RM01"_s, 30, 1200, false}, {u"RM01"_s, 16, 1200, false},  {u"RM01"_s, 5, 1000, false},
    {u"RM02"_s, 30, 1500, false}, {u"RM02"_s, 18, 1500, false},  {u"RM02"_s, 8, 1500, false},
    {u"RM03"_s, 30, 2000, false}, {u"RM03"_s, 15, 2000, false},  {u"RM03"_s, 6, 2000, false},
    {u"RM04"_s, 30, 5000, false}, {u"RM04"_s, 14, 5000, false},  {u"RM04"_s, 4, 4000, false},
    {u"RM04"_s, 0, 300, true},    {u"RM05"_s, 30, 10000, false}, {u"RM05"_s, 12, 10000, false},
    {u"RM05"_s, 3, 6000, false},  {u"RM06"_s, 30, 3000, false},  {u"RM06"_s, 14, 3000, false},
    {u"RM06"_s, 4, 2000, false},
};
// Stock on hand before the history starts.
const QList<std::pair<QString, qint64>> kOpeningWip = {
    {u"SF01"_s, 1000}, {u"SF02"_s, 600}, {u"SF03"_s, 800}, {u"SF04"_s, 500}};
const QList<std::pair<QString, qint64>> kOpeningFinished = {
    {u"FG01"_s, 1200}, {u"FG02"_s, 800}, {u"FG03"_s, 1500}};
const QList<std::pair<QString, int>> kDailyPlan = {
    {u"FG01"_s, 200}, {u"FG02"_s, 150}, {u"FG03"_s, 300}, {u"SF01"_s, 300},
    {u"SF02"_s, 250}, {u"SF03"_s, 500}, {u"SF04"_s, 200}};
const QList<std::pair<QString, int>> kCustomerOrders = {
    {u"FG01"_s, 1200}, {u"FG02"_s, 900}, {u"FG03"_s, 1500}};

QString receiptLot(const Receipt& r, const QDate& date) {
    return r.advance ? u"선진행재고-"_s + shortDay(date) : u"L"_s + shortDay(date) + u"-01"_s;
}
} // namespace

bool DemoProduction::Line::posted() const {
    return plan.state == State::Finished || plan.state == State::MiddleEnded;
}

DemoProduction::DemoProduction(const DemoMasterData& master, QDate today)
    : m_master(master), m_today(today), m_schedule(today) {
    number();
}

// Order and run numbers as the terminal gives them: per order date, in start order.
void DemoProduction::number() {
    for (QDate d = m_schedule.firstDay(); d <= m_schedule.lastDay(); d = d.addDays(1)) {
        int orderNo = 0;
        int runNo = 0;
        for (const DemoSchedule::Order& o : m_schedule.ordersOf(d)) {
            Line l;
            l.plan = o;
            l.date = d;
            l.prodNo = compact(d) + three(++orderNo);
            l.seq = l.prodNo + u"001"_s;
            const quint32 h = vary(l.seq);
            if (l.hasRun()) {
                l.opSeq = compact(d) + three(++runNo);
                l.opSeqSub = l.opSeq + u"001"_s;
            }
            const bool night = o.shift == Shift::Night;
            l.start =
                o.startMinute >= 0 ? o.startMinute : (night ? at(20, 0) : at(8, 0)) + int(h % 10);
            l.end = o.endMinute >= 0 ? o.endMinute
                                     : (night ? at(4, 40) : at(16, 50)) + int(h / 10 % 25);
            l.endDate = d.addDays(o.endDaysLater + (night ? 1 : 0));
            if (o.state == State::Finished) {
                const int produced = o.qty - int(h / 300 % quint32(o.qty / 40 + 1));
                l.bad = std::max(1, produced * int(1 + h / 7000 % 3) / 100);
                l.good = produced - l.bad;
            } else if (o.state == State::MiddleEnded) {
                l.good = o.savedGood;
                l.bad = o.savedBad;
            }
            if (l.posted())
                l.lot = l.seq.left(8) + (night ? u"/B"_s : u"/A"_s);
            m_lines << l;
        }
    }
}

int DemoProduction::minutes(const Line& l) const {
    if (!l.posted())
        return 0;
    return int(l.date.daysTo(l.endDate)) * 1440 + l.end - l.start;
}

const DemoProduction::Line* DemoProduction::lineOf(const QString& machine, int dayOffset,
                                                   const QString& product) const {
    const QDate d = m_today.addDays(dayOffset);
    for (const Line& l : m_lines)
        if (l.date == d && l.plan.machine == machine && l.plan.product == product)
            return &l;
    return nullptr;
}

void DemoProduction::write(SqlScript& script) const {
    writeLedgers(script);
    writeOrders(script);
    writeRuns(script);
    writeRunDetails(script);
    writeStops(script);
    writeInspections(script);
    writeMouldSheets(script);
    writePlans(script);
    writeSales(script);
    writeRealTime(script);
}

// Receipts and run postings in date order, so every running balance follows from the
// rows before it.
void DemoProduction::writeLedgers(SqlScript& script) const {
    script.comment(
        u"Stock: opening stock, material receipts and the postings of every saved run"_s);
    StockLedger wip(u"S_PRODUCT_STORE"_s, script);
    StockLedger finished(u"P_PRODUCT_STORE"_s, script);

    const QDate opening = m_schedule.firstDay().addDays(-1);
    const QString openingLot = compact(opening) + u"/A"_s;
    for (const auto& [product, qty] : kOpeningWip)
        wip.post({u"OPEN"_s, u"OPEN-"_s + product, product, qty, true, u"기초재고"_s, openingLot,
                  day(opening), u"060000"_s, u"1001"_s});
    for (const auto& [product, qty] : kOpeningFinished)
        finished.post({u"OPEN"_s, u"OPEN-"_s + product, product, qty, true, u"기초재고"_s,
                       openingLot, day(opening), u"060000"_s, u"1001"_s});

    // (date, minute, receipt index or -1, line index or -1)
    QList<std::tuple<QDate, int, int, int>> events;
    for (int i = 0; i < kReceipts.size(); ++i)
        events.append({m_today.addDays(-kReceipts[i].daysAgo), at(6, 30), i, -1});
    for (int i = 0; i < m_lines.size(); ++i)
        if (m_lines[i].posted())
            events.append({m_lines[i].endDate, m_lines[i].end, -1, i});
    std::stable_sort(events.begin(), events.end(), [](const auto& a, const auto& b) {
        return std::tie(std::get<0>(a), std::get<1>(a)) < std::tie(std::get<0>(b), std::get<1>(b));
    });

    int receiptNo = 0;
    for (const auto& [date, minute, receipt, line] : events) {
        if (line >= 0) {
            postRun(m_lines[line], script, wip, finished);
            continue;
        }
        const Receipt& r = kReceipts[receipt];
        const QString lot = receiptLot(r, date);
        const QString no = u"MI"_s + shortDay(date) + u"-"_s + three(++receiptNo);
        wip.post({no, no + u"-01"_s, r.material, r.qty, true, u"자재입고"_s, lot, day(date),
                  hhmmss(minute), u"1001"_s});
        script.insert(u"M_MATERIAL_IPHA"_s, {{u"ipha_no"_s, no},
                                             {u"ipha_date"_s, day(date)},
                                             {u"product_code"_s, r.material},
                                             {u"lot_no"_s, lot},
                                             {u"ipha_su"_s, r.qty}});
    }
}

// What the end (or middle end) of a run posts: the work-in-process receipt of the output,
// one issue and one genealogy row per material lot, and for a finished product its move
// into finished-goods stock.
void DemoProduction::postRun(const Line& l, SqlScript& script, StockLedger& wip,
                             StockLedger& finished) const {
    const DemoMasterData::Machine& m = m_master.machine(l.plan.machine);
    const QString date = day(l.endDate);
    const QString time = hhmmss(l.end);
    const QString user = m.worker;
    wip.post({l.opSeq, l.opSeqSub, l.plan.product, l.good, true, u"재공품추가"_s, l.lot, date, time,
              user});
    for (const DemoMasterData::BomLine& b : m_master.bom(l.plan.product)) {
        const qint64 need = qint64(b.usageTenThousandths) * (l.good + l.bad) / 10000;
        for (const auto& [lot, qty] : wip.pick(b.material, need)) {
            wip.post({l.opSeq, l.opSeqSub, b.material, qty, false, u"재공품소모"_s, lot, date, time,
                      user});
            script.insert(u"S_LOT_HISTORY"_s, {{u"ipgo_no_sub"_s, l.opSeqSub},
                                               {u"ipgo_product_code"_s, l.plan.product},
                                               {u"culgo_no_sub"_s, u""_s},
                                               {u"culgo_product_code"_s, b.material},
                                               {u"lot_no"_s, l.lot},
                                               {u"culgo_lot_no"_s, lot},
                                               {u"process_code"_s, m.process},
                                               {u"equipment_code"_s, m.code},
                                               {u"reg_date"_s, date}});
        }
    }
    if (!m_master.isFinished(l.plan.product))
        return;
    wip.post({l.opSeq, l.opSeqSub, l.plan.product, l.good, false, u"제품투입"_s, l.lot, date, time,
              user});
    script.insert(u"P_PRODUCT_IPGO"_s, {{u"ipgo_no"_s, l.opSeq},
                                        {u"ipgo_no_sub"_s, l.opSeqSub},
                                        {u"ipgo_date"_s, date},
                                        {u"product_code"_s, l.plan.product},
                                        {u"lot_no"_s, l.lot},
                                        {u"operation_no_sub"_s, l.opSeqSub},
                                        {u"ipgo_su"_s, l.good},
                                        {u"palette_su"_s, 0},
                                        {u"ipgo_price"_s, 0},
                                        {u"ipgo_price_sum"_s, 0},
                                        {u"bigo"_s, u""_s},
                                        {u"employee_no"_s, user},
                                        {u"last_date"_s, date},
                                        {u"last_time"_s, time},
                                        {u"user_id"_s, user}});
    finished.post({l.opSeq, l.opSeqSub, l.plan.product, l.good, true, u"제품입고"_s, l.lot, date,
                   time, user});
}

void DemoProduction::writeOrders(SqlScript& script) const {
    script.comment(u"Work orders"_s);
    for (const Line& l : m_lines) {
        const DemoMasterData::Machine& m = m_master.machine(l.plan.machine);
        const DemoMasterData::Product& p = m_master.product(l.plan.product);
        const State s = l.plan.state;
        const QString endYn = s == State::Waiting ? u"1"_s : s == State::Finished ? u"3"_s : u"2"_s;
        const QVariant juya = l.plan.shift == Shift::Unset   ? QVariant()
                              : l.plan.shift == Shift::Night ? QVariant(u"0"_s)
                                                             : QVariant(u"1"_s);
        const QDate created = std::min(l.date, m_today);
        script.insert(u"B_JAKUPJISI_MASTER"_s,
                      {{u"prod_no"_s, l.prodNo},
                       {u"seq"_s, l.seq},
                       {u"sunbun"_s, 1},
                       {u"process_code"_s, m.process},
                       {u"equipment_code"_s, m.code},
                       {u"cproduct_code"_s, p.code},
                       {u"product_code"_s, p.code},
                       {u"pumbun"_s, p.pumbun},
                       {u"palette_code"_s, u""_s},
                       {u"plan_qty"_s, l.plan.qty},
                       {u"order_qty"_s, l.plan.qty},
                       {u"qty"_s, l.good},
                       {u"bad_qty"_s, l.bad},
                       {u"end_yn"_s, endYn},
                       {u"employee_su"_s, m.crew},
                       {u"employee"_s, m_master.employeeName(m.worker)},
                       {u"employee_no"_s, m.worker},
                       {u"bom_code"_s, u"BOM-"_s + p.code},
                       {u"juya_gubun"_s, juya},
                       {u"jisi_date"_s, day(l.date)},
                       {u"jisi_time"_s, hhmm(l.plan.shift == Shift::Night ? at(20, 0) : at(8, 0))},
                       {u"real_jakup"_s, l.plan.realJakup ? u"1"_s : u"0"_s},
                       {u"last_date"_s, day(created)},
                       {u"last_time"_s, u"063000"_s},
                       {u"user_id"_s, u"1001"_s}});
    }
}

void DemoProduction::writeRuns(SqlScript& script) const {
    script.comment(u"Production runs"_s);
    for (const Line& l : m_lines) {
        if (!l.hasRun())
            continue;
        const DemoMasterData::Machine& m = m_master.machine(l.plan.machine);
        const bool saved = l.posted();
        script.insert(u"P_SANGSAN_MASTER"_s, {{u"prod_no"_s, l.prodNo},
                                              {u"seq"_s, l.seq},
                                              {u"op_seq"_s, l.opSeq},
                                              {u"op_seq_sub"_s, l.opSeqSub},
                                              {u"process_code"_s, m.process},
                                              {u"equipment_code"_s, m.code},
                                              {u"product_code"_s, l.plan.product},
                                              {u"jisiqty"_s, l.plan.qty},
                                              {u"qty"_s, l.good},
                                              {u"bad_qty"_s, l.bad},
                                              {u"sdate"_s, day(l.date)},
                                              {u"stime"_s, hhmm(l.start)},
                                              {u"edate"_s, saved ? day(l.endDate) : u""_s},
                                              {u"etime"_s, saved ? hhmm(l.end) : u""_s},
                                              {u"min"_s, minutes(l)},
                                              {u"jisi_date"_s, day(l.date)},
                                              {u"jakup_date"_s, day(l.date)},
                                              {u"employee_su"_s, m.crew},
                                              {u"employee_no"_s, m.worker},
                                              {u"lot_no"_s, saved ? QVariant(l.lot) : QVariant()},
                                              {u"last_date"_s, day(saved ? l.endDate : l.date)},
                                              {u"last_time"_s, hhmmss(saved ? l.end : l.start)},
                                              {u"user_id"_s, m.worker}});
    }
}

// Defects by code, downtime minutes by reason and mould shots of every saved run.
void DemoProduction::writeRunDetails(SqlScript& script) const {
    script.comment(u"Defects, downtime and mould shots of the saved runs"_s);
    const QStringList reasons = m_master.downtimeCodes();
    for (const Line& l : m_lines) {
        if (!l.posted())
            continue;
        const DemoMasterData::Machine& m = m_master.machine(l.plan.machine);
        const quint32 h = vary(l.opSeqSub);
        const QString entered = day(l.date);
        const QString time = hhmmss(l.end);
        const QStringList codes = m_master.defectCodes(m.process);
        const int first = int(h % quint32(codes.size()));
        const int second =
            (first + 1 + int(h / 11 % quint32(codes.size() - 1))) % int(codes.size());
        const int firstQty = l.bad > 1 ? (l.bad + 1) / 2 : l.bad;
        for (const auto& [code, qty] : QList<std::pair<QString, int>>{
                 {codes[first], firstQty}, {codes[second], l.bad - firstQty}}) {
            if (qty <= 0)
                continue;
            script.insert(u"P_BADQTY"_s, {{u"prod_no"_s, u""_s},
                                          {u"seq"_s, u""_s},
                                          {u"op_seq"_s, l.opSeq},
                                          {u"op_seq_sub"_s, l.opSeqSub},
                                          {u"processbad_code"_s, code},
                                          {u"bad_qty"_s, qty},
                                          {u"process_code"_s, m.process},
                                          {u"equipment_code"_s, m.code},
                                          {u"bigo"_s, u""_s},
                                          {u"product_code"_s, l.plan.product},
                                          {u"employee_no"_s, m.worker},
                                          {u"last_date"_s, entered},
                                          {u"last_time"_s, time},
                                          {u"user_id"_s, m.worker}});
        }
        const int stops = 1 + int(h / 13 % 2);
        for (int i = 0; i < stops; ++i)
            script.insert(u"P_BIGADONG"_s,
                          {{u"prod_no"_s, u""_s},
                           {u"seq"_s, u""_s},
                           {u"op_seq"_s, l.opSeq},
                           {u"op_seq_sub"_s, l.opSeqSub},
                           {u"bigadong_code"_s,
                            reasons[int((h / 17 + quint32(i) * 3) % quint32(reasons.size()))]},
                           {u"employee_su"_s, m.crew},
                           {u"min"_s, 10 + int(h / 19 % 31) + i * 5},
                           {u"equipment_code"_s, m.code},
                           {u"bigo"_s, u""_s},
                           {u"biga_date"_s, entered},
                           {u"last_date"_s, entered},
                           {u"last_time"_s, time},
                           {u"user_id"_s, m.worker}});
        const QString mould = m_master.mouldOf(l.plan.product);
        if (!mould.isEmpty())
            script.insert(u"B_METALLIC_COUNT"_s, {{u"op_seq_sub"_s, l.opSeqSub},
                                                  {u"mold_no"_s, mould},
                                                  {u"product_code"_s, l.plan.product},
                                                  {u"qty"_s, l.good + l.bad},
                                                  {u"jakup_date"_s, day(l.endDate)},
                                                  {u"last_date"_s, day(l.endDate)},
                                                  {u"last_time"_s, time},
                                                  {u"user_id"_s, m.worker}});
    }
}

// Timed machine stops: a closed one today, one still open (its machine shows stopped),
// and one from yesterday.
void DemoProduction::writeStops(SqlScript& script) const {
    script.comment(u"Timed machine stops"_s);
    const QList<std::tuple<QString, int, QString, int, int>> stops = {
        {u"R015"_s, 0, u"FG01"_s, at(7, 40), at(7, 52)},
        {u"R002"_s, 0, u"FG03"_s, at(7, 50), -1},
        {u"R016"_s, -1, u"FG02"_s, at(10, 15), at(10, 40)},
    };
    for (const auto& [machine, offset, product, from, to] : stops) {
        const Line* l = lineOf(machine, offset, product);
        if (!l || !l->hasRun())
            continue;
        const QString d = day(l->date);
        const bool open = to < 0;
        script.insert(u"P_BIGADONG"_s, {{u"prod_no"_s, u""_s},
                                        {u"seq"_s, u""_s},
                                        {u"op_seq"_s, l->opSeq},
                                        {u"op_seq_sub"_s, l->opSeqSub},
                                        {u"equipment_code"_s, machine},
                                        {u"bigadong_code"_s, u""_s},
                                        {u"biga_date"_s, d},
                                        {u"sdate"_s, d},
                                        {u"stime"_s, hhmm(from)},
                                        {u"edate"_s, open ? QVariant() : QVariant(d)},
                                        {u"etime"_s, open ? QVariant() : QVariant(hhmm(to))},
                                        {u"min"_s, open ? QVariant() : QVariant(to - from)},
                                        {u"employee_su"_s, 0},
                                        {u"bigo"_s, u""_s},
                                        {u"last_date"_s, d},
                                        {u"last_time"_s, hhmmss(open ? from : to)},
                                        {u"user_id"_s, m_master.machine(machine).worker}});
    }
}

// Inspection sheets: yesterday's complete one, today's one of a running job with only the
// first article read, and today's failed one (a one-sided limit exceeded by the last article).
void DemoProduction::writeInspections(SqlScript& script) const {
    script.comment(u"First, middle and last article inspections"_s);
    struct Sheet {
        QString machine, product, standard;
        int offset, number;
        bool complete, pass;
        QList<QStringList> readings; // per standard item: x1, x2, x3
    };
    const QList<QStringList> handle = {{u"120.05"_s, u"119.98"_s, u"120.10"_s},
                                       {u"12.4"_s, u"12.9"_s, u"13.1"_s},
                                       {u"9.2"_s, u"9.5"_s, u"9.1"_s},
                                       {u"양호"_s, u"양호"_s, u"OK"_s}};
    QList<QStringList> firstOnly;
    for (const QStringList& r : handle)
        firstOnly << QStringList{r[0], u""_s, u""_s};
    const QList<Sheet> sheets = {
        {u"R015"_s, u"FG01"_s, u"QS-FG01-02"_s, -1, 1, true, true, handle},
        {u"R015"_s, u"FG01"_s, u"QS-FG01-02"_s, 0, 1, false, true, firstOnly},
        {u"R001"_s,
         u"FG03"_s,
         u"QS-FG03-01"_s,
         0,
         2,
         true,
         false,
         {{u"45.02"_s, u"44.98"_s, u"45.03"_s},
          {u"0.06"_s, u"0.07"_s, u"0.12"_s},
          {u"양호"_s, u"양호"_s, u"양호"_s}}},
    };
    for (const Sheet& s : sheets) {
        const Line* l = lineOf(s.machine, s.offset, s.product);
        if (!l)
            continue;
        const QString d = day(l->date);
        const QString number = compact(l->date) + three(s.number);
        const int inspected = l->plan.qty;
        script.insert(u"Q_CHOJUNGJONGTEST_RESULT"_s,
                      {{u"prod_no"_s, u""_s},
                       {u"seq"_s, l->seq},
                       {u"product_code"_s, s.product},
                       {u"process_test_num"_s, s.standard},
                       {u"process_test_check"_s, s.complete ? u"1"_s : u"0"_s},
                       {u"process_test_result"_s, s.pass ? u"1"_s : u"0"_s},
                       {u"process_test_select"_s, u"0"_s},
                       {u"process_test_su"_s, inspected},
                       {u"process_tester_id"_s, u"3001"_s},
                       {u"lot_no"_s, u""_s},
                       {u"process_test_date"_s, d},
                       {u"process_pass_su"_s, s.pass ? inspected : 0},
                       {u"process_bad_su"_s, s.pass ? 0 : inspected},
                       {u"process_num"_s, number},
                       {u"process_juya"_s, 1},
                       {u"bigo"_s, u""_s},
                       {u"last_date"_s, d},
                       {u"last_time"_s, u"093000"_s},
                       {u"user_id"_s, u"3001"_s}});
        for (int i = 0; i < s.readings.size(); ++i) {
            const QStringList& x = s.readings[i];
            const bool itemPass = s.pass || i != 1;
            script.insert(
                u"Q_CHOJUNGJONGTEST_RESULT_SUB"_s,
                {{u"seq"_s, l->seq},
                 {u"process_test_num"_s, s.standard},
                 {u"process_test_num_sub"_s, s.standard + u"-0"_s + QString::number(i + 1)},
                 {u"process_test_date"_s, d},
                 {u"product_code"_s, s.product},
                 {u"process_num"_s, number},
                 {u"x1"_s, x[0]},
                 {u"x2"_s, x[1]},
                 {u"x3"_s, x[2]},
                 {u"x4"_s, u""_s},
                 {u"x5"_s, u""_s},
                 {u"x6"_s, u""_s},
                 {u"x7"_s, u""_s},
                 {u"x8"_s, u""_s},
                 {u"x9"_s, u""_s},
                 {u"process_check"_s, u""_s},
                 {u"process_test_result_sub"_s, itemPass ? u"합격"_s : u"불합격"_s},
                 {u"process_juya"_s, 1},
                 {u"contents_sub"_s, u""_s},
                 {u"time"_s, u""_s},
                 {u"last_date"_s, d},
                 {u"last_time"_s, u"093000"_s},
                 {u"user_id"_s, u"3001"_s}});
        }
    }
}

// Mould condition sheets of two injection lines (night values left empty on one).
void DemoProduction::writeMouldSheets(SqlScript& script) const {
    script.comment(u"Mould condition sheets"_s);
    const QList<std::tuple<QString, int, QString, double>> sheets = {
        {u"R010"_s, -3, u"SF01"_s, 0.0}, {u"R011"_s, -1, u"SF02"_s, 10.0}};
    for (const auto& [machine, offset, product, warmer] : sheets) {
        const Line* l = lineOf(machine, offset, product);
        if (!l)
            continue;
        SqlScript::Columns c = {{u"op_seq_sub"_s, l->seq},
                                {u"product_code"_s, product},
                                {u"test_date"_s, day(l->date)}};
        const double cylinder[] = {220, 230, 235, 240, 5.2};
        const double sacul[] = {85, 70, 60, 45, 35};
        const double speed[] = {60, 55, 45, 30, 0};
        const double mm[] = {45, 38, 25, 12, 5};
        for (int n = 0; n < 5; ++n) {
            const QString k = QString::number(n + 1);
            c.append({u"cylinder"_s + k, cylinder[n] + (n < 4 ? warmer : 0)});
            c.append({u"sacul"_s + k, sacul[n]});
            c.append({u"speed"_s + k, n < 4 ? QVariant(speed[n]) : QVariant()});
            c.append({u"mm"_s + k, mm[n]});
        }
        const bool night = warmer > 0;
        c.append({u"time_s_ju"_s, 3.2});
        c.append({u"time_s_ya"_s, night ? QVariant(3.4) : QVariant()});
        c.append({u"time_n_ju"_s, 18.5});
        c.append({u"time_n_ya"_s, night ? QVariant(19.0) : QVariant()});
        c.append({u"time_h_ju"_s, 32.0});
        c.append({u"time_h_ya"_s, night ? QVariant(33.5) : QVariant()});
        for (int k = 1; k <= 3; ++k) {
            const QString n = QString::number(k);
            c.append({u"cv_ju"_s + n, 2});
            c.append({u"shot_ju"_s + n, 120 + k * 5});
            c.append({u"gadong_ju"_s + n, 2.5});
            c.append({u"cv_ya"_s + n, night ? QVariant(2) : QVariant()});
            c.append({u"shot_ya"_s + n, night ? QVariant(110 + k * 5) : QVariant()});
            c.append({u"gadong_ya"_s + n, night ? QVariant(2.5) : QVariant()});
        }
        script.insert(u"Q_MOLDTEST_RESULT"_s, c);
    }
}

// This month's and last month's plan per day (nothing on Sundays).
void DemoProduction::writePlans(SqlScript& script) const {
    script.comment(u"Production plans"_s);
    const QDate thisMonth(m_today.year(), m_today.month(), 1);
    for (const QDate& month : {thisMonth.addMonths(-1), thisMonth}) {
        for (const QString& table : {u"S_PRODUCTIONPLAN_TOTAL"_s, u"S_PRODUCTIONPLAN_MONTH"_s}) {
            for (const auto& [product, qty] : kDailyPlan) {
                SqlScript::Columns c = {{u"product_code"_s, product},
                                        {u"productionplan_month"_s, month.toString(u"yyyy-MM"_s)}};
                for (int d = 1; d <= 31; ++d) {
                    QVariant v;
                    if (d <= month.daysInMonth())
                        v = month.addDays(d - 1).dayOfWeek() == Qt::Sunday ? 0 : qty;
                    c.append({u"day_"_s + QString::number(d), v});
                }
                script.insert(table, c);
            }
        }
    }
}

// Customer orders due in last, this and next month (next month only partly placed yet)
// and the shipments made so far.
void DemoProduction::writeSales(SqlScript& script) const {
    script.comment(u"Customer orders and shipments"_s);
    const QDate thisMonth(m_today.year(), m_today.month(), 1);
    int shipmentNo = 0;
    for (int monthOffset = -1; monthOffset <= 1; ++monthOffset) {
        const QDate month = thisMonth.addMonths(monthOffset);
        for (const int dueDay : {5, 12, 19, 26}) {
            if (monthOffset == 1 && dueDay > 12)
                continue;
            const QDate due = month.addDays(dueDay - 1);
            int n = 0;
            for (const auto& [product, qty] : kCustomerOrders) {
                script.insert(
                    u"P_PRODUCT_SUJU_TALVEN"_s,
                    {{u"suju_no"_s, u"SJ"_s + shortDay(due) + u"-"_s + QString::number(++n)},
                     {u"suju_date"_s, day(due.addDays(-14))},
                     {u"product_code"_s, product},
                     {u"chulha_date"_s, day(due)},
                     {u"balju_su"_s, qty}});
                if (due >= m_today)
                    continue;
                script.insert(
                    u"P_PRODUCT_CULHA"_s,
                    {{u"culha_no"_s, u"CH"_s + shortDay(due) + u"-"_s + three(++shipmentNo)},
                     {u"product_code"_s, product},
                     {u"culha_date"_s, day(due)},
                     {u"culha_su"_s, qty - int(vary(product + day(due)) % 60)}});
            }
        }
    }
}

void DemoProduction::writeRealTime(SqlScript& script) const {
    script.comment(u"Live machine state"_s);
    for (const QString& machine :
         {u"R001"_s, u"R002"_s, u"R010"_s, u"R011"_s, u"R012"_s, u"R015"_s, u"R016"_s, u"R017"_s}) {
        const bool stopped = machine == u"R002"_s;
        script.insert(
            u"REAL_TIME"_s,
            {{u"equipment_code"_s, machine},
             {u"bigadong"_s, stopped ? u"TRUE"_s : u"FALSE"_s},
             {u"work_time"_s, day(m_today) + (stopped ? u"T07:50:00"_s : u"T07:00:00"_s)}});
    }
}
