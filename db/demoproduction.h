#pragma once

#include "db/demoschedule.h"

#include <QDate>
#include <QList>
#include <QString>

class DemoMasterData;
class SqlScript;
class StockLedger;

// The demo plant's transactions around a given day: work orders and runs with defects,
// downtime and mould shots, material receipts, stock ledgers with running balances and
// lot genealogy posted as the terminal posts them, inspection and mould condition sheets,
// production plans, customer orders and shipments, and the machines' live state.
class DemoProduction {
public:
    DemoProduction(const DemoMasterData& master, QDate today);

    void write(SqlScript& script) const;

private:
    struct Line {
        DemoSchedule::Order plan;
        QDate date; // order date
        QString prodNo, seq, opSeq, opSeqSub, lot;
        int good = 0, bad = 0;
        int start = 0, end = 0; // minutes of the day
        QDate endDate;
        bool hasRun() const { return plan.state != DemoSchedule::State::Waiting; }
        bool posted() const;
    };

    void number();
    int minutes(const Line& l) const;
    const Line* lineOf(const QString& machine, int dayOffset, const QString& product) const;

    void writeLedgers(SqlScript& script) const;
    void postRun(const Line& l, SqlScript& script, StockLedger& wip, StockLedger& finished) const;
    void writeOrders(SqlScript& script) const;
    void writeRuns(SqlScript& script) const;
    void writeRunDetails(SqlScript& script) const;
    void writeStops(SqlScript& script) const;
    void writeInspections(SqlScript& script) const;
    void writeMouldSheets(SqlScript& script) const;
    void writePlans(SqlScript& script) const;
    void writeSales(SqlScript& script) const;
    void writeRealTime(SqlScript& script) const;

    const DemoMasterData& m_master;
    QDate m_today;
    DemoSchedule m_schedule;
    QList<Line> m_lines;
};
