#include "tools/mes-sql/mesqlcommand.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    return MesSqlCommand().run(args, stdin, stdout, stderr);
}
