#include "production/boxlabelprinter.h"

#include "core/localsettings.h"
#include "core/modbas.h"
#include "core/moddb.h"
#include "core/notifier.h"
#include "production/statementtext.h"
#include "ui/common/messagebox.h"

#include <QFileInfo>
#include <QSerialPort>
#include <QSerialPortInfo>

#include <algorithm>

using StatementText::add;
using StatementText::quoted;

namespace {
// A label is about 1,000 bytes, a second at 9600 baud; a write still pending after this
// long means the printer does not take data.
constexpr int kWriteMilliseconds = 10000;

const QString kNull = QStringLiteral("NULL");

QString orNull(const QVariant& value) {
    const QString text = value.toString();
    return text.isEmpty() ? kNull : text;
}

QString productSql(const QString& productCode) {
    QString s;
    add(&s, {"SELECT  ISNULL(B_PM.product_name,''), ISNULL(B_PM.pumbun,''), "
             "ISNULL(B_PM.culha_pumbun,'')",
             "FROM B_PRODUCT_MASTER B_PM"});
    quoted(&s, "WHERE B_PM.product_code = '", productCode, "'");
    return s;
}

QString lotSql(const QString& runNumber) {
    QString s;
    add(&s, {"select  p_sm.lot_no", "from p_sangsan_master p_sm"});
    quoted(&s, "where p_sm.op_seq_sub = '", runNumber, "'");
    return s;
}

void tellCheckPrinter() {
    MessageBox::info(appTitle(), QStringLiteral("프린터의 연결상태를 확인하세요!!"));
}

bool writeAll(QSerialPort& port, const QByteArray& data) {
    if (port.write(data) != data.size())
        return false;
    while (port.bytesToWrite() > 0) {
        if (!port.waitForBytesWritten(kWriteMilliseconds))
            return false;
    }
    return true;
}
} // namespace

BoxLabelPrinter::BoxLabelPrinter(const QString& location, const QString& portName)
    : m_location(location), m_port(portName) {}

QString BoxLabelPrinter::configuredPort() {
    return LocalSettings::current().labelPort;
}

bool BoxLabelPrinter::portConfigured() {
    const QString name = configuredPort().trimmed();
    if (name.isEmpty())
        return false;
#ifdef Q_OS_WIN
    const auto ports = QSerialPortInfo::availablePorts();
    return std::any_of(ports.begin(), ports.end(), [&name](const QSerialPortInfo& info) {
        return info.portName().compare(name, Qt::CaseInsensitive) == 0;
    });
#else
    return QFileInfo::exists(name.startsWith(QLatin1Char('/')) ? name
                                                               : QStringLiteral("/dev/") + name);
#endif
}

bool BoxLabelPrinter::gather(const BoxLabelRow& row, BoxLabel::Values* v) const {
    gsSQL = lotSql(row.runNumber);
    const QVariant lot = gfGET_VALUE(gsSQL, m_location);
    if (!lot.isValid())
        return false;
    gsSQL = productSql(row.productCode);
    const QVariantList product = gfGET_ROW(gsSQL, m_location);
    if (product.size() < 3)
        return false;
    v->runNumber = row.runNumber;
    v->productName = orNull(product.at(0));
    v->partNumber = orNull(product.at(1));
    v->customerPartNumber = orNull(product.at(2));
    v->lot = BoxLabel::deliveryLot(lot.toString());
    v->quantity = row.quantity;
    v->count = row.count;
    return true;
}

bool BoxLabelPrinter::send(BoxLabel::Size size, const BoxLabel::Values& values) {
    QSerialPort port;
    port.setPortName(m_port);
    port.setBaudRate(QSerialPort::Baud9600);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    if (!port.open(QIODevice::WriteOnly))
        return false;
    const QStringList pieces = BoxLabel::pieces(size, values);
    bool ok = true;
    if (size == BoxLabel::Size::Big) {
        for (const QString& piece : pieces) {
            ok = writeAll(port, BoxLabel::bytes(piece));
            if (!ok)
                break;
        }
    } else {
        ok = writeAll(port, BoxLabel::bytes(BoxLabel::joined(pieces)));
    }
    // Closed after a failure as well, so the next label can open it again.
    port.close();
    return ok;
}

bool BoxLabelPrinter::print(BoxLabel::Size size, const BoxLabelRow& row) {
    if (row.count == QLatin1String("0")) {
        const QString what = size == BoxLabel::Size::Big
                                 ? QStringLiteral("대포장출력수가 0 입니다.")
                                 : QStringLiteral("소포장출력수가 0 입니다.");
        MessageBox::critical(QStringLiteral("오류"),
                             what + QStringLiteral("\n출력할 수 없습니다."));
        return false;
    }
    BoxLabel::Values values;
    if (!gather(row, &values) || !send(size, values)) {
        tellCheckPrinter();
        return false;
    }
    return true;
}
