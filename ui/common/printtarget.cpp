#include "ui/common/printtarget.h"

#include <QPrinter>

namespace PrintTarget {

QString pdfFile() {
    const QString value = qEnvironmentVariable("QT_PRINTER");
    const QLatin1String prefix("pdf:");
    if (!value.startsWith(prefix, Qt::CaseInsensitive))
        return QString();
    return value.mid(prefix.size());
}

bool applyPdf(QPrinter& printer) {
    const QString file = pdfFile();
    if (file.isEmpty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    return true;
}

} // namespace PrintTarget
