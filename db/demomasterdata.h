#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

class SqlScript;

// The demo plant's master data: processes, machines, items, bills of material, moulds,
// defect and downtime codes, workers, inspection standards and the screen rights. The
// production history (DemoProduction) is built on top of it.
class DemoMasterData {
public:
    struct Product {
        QString code, pumbun, eono, name, standard, car, type, typeCode, unit;
        int paletteEa = 0;
        QString culhaPumbun, abc;
    };
    struct BomLine {
        QString parent, material;
        int usageTenThousandths = 0; // usage x 10000, so issue quantities stay exact
    };
    struct Machine {
        QString code, name, process, ip, imgIp, monitor, worker;
        int crew = 1;
    };
    struct Mould {
        QString moldNo, product, type;
        QList<int> repairedDaysAgo;
    };

    DemoMasterData(QDate today, QString pictureFolder);

    void write(SqlScript& script) const;

    const Product& product(const QString& code) const;
    const Machine& machine(const QString& code) const;
    QList<BomLine> bom(const QString& parent) const;
    bool isFinished(const QString& productCode) const;
    QString mouldOf(const QString& productCode) const; // empty when the item has none
    QStringList defectCodes(const QString& process) const;
    QStringList downtimeCodes() const;
    QString employeeName(const QString& employeeNo) const;
    QList<Product> products() const { return m_products; }

    static QString date(const QDate& d) { return d.toString(QStringLiteral("yyyy-MM-dd")); }

private:
    void writeItems(SqlScript& script) const;
    void writeMachines(SqlScript& script) const;
    void writeMoulds(SqlScript& script) const;
    void writeCodes(SqlScript& script) const;
    void writePeople(SqlScript& script) const;
    void writeStandards(SqlScript& script) const;
    QString picturePath(const QString& file) const;

    QDate m_today;
    QString m_pictureFolder;
    QList<Product> m_products;
    QList<BomLine> m_bom;
    QList<Machine> m_machines;
    QList<Mould> m_moulds;
};
