// mes-demo-sql: writes the demo plant's data (T-SQL INSERT statements) for a given day.
//   mes-demo-sql [--date yyyy-mm-dd] [--pictures FOLDER] [-o FILE]

#include "db/demoplant.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QFile>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes the demo plant's data as T-SQL for a database created from db/schema.sql."));
    parser.addHelpOption();
    const QCommandLineOption date(QStringLiteral("date"),
                                  QStringLiteral("The demo's today (default: today)."),
                                  QStringLiteral("yyyy-mm-dd"));
    const QCommandLineOption pictures(
        QStringLiteral("pictures"), QStringLiteral("Folder of the inspection standards' pictures."),
        QStringLiteral("folder"));
    const QCommandLineOption output(
        {QStringLiteral("o"), QStringLiteral("output")},
        QStringLiteral("Write to this file instead of standard output."), QStringLiteral("file"));
    parser.addOptions({date, pictures, output});
    parser.process(app);

    QDate today = QDate::currentDate();
    if (parser.isSet(date)) {
        today = QDate::fromString(parser.value(date), QStringLiteral("yyyy-MM-dd"));
        if (!today.isValid()) {
            std::fprintf(stderr, "mes-demo-sql: not a date (yyyy-mm-dd): %s\n",
                         qPrintable(parser.value(date)));
            return 2;
        }
    }
    const QByteArray text = DemoPlant::sql(today, parser.value(pictures)).toUtf8();

    QFile out;
    const bool opened = parser.isSet(output) ? (out.setFileName(parser.value(output)),
                                                out.open(QIODevice::WriteOnly))
                                             : out.open(stdout, QIODevice::WriteOnly);
    if (!opened || out.write(text) != text.size()) {
        std::fprintf(stderr, "mes-demo-sql: cannot write %s\n", qPrintable(out.fileName()));
        return 1;
    }
    return 0;
}
