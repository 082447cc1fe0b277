#include "app/startoptions.h"

namespace {
// "--name value" or "--name=value"; true when the argument is the option.
bool optionValue(const QStringList& args, qsizetype* i, const QString& name, QString* value,
                 QString* error) {
    const QString& arg = args.at(*i);
    if (arg.startsWith(name + QLatin1Char('='))) {
        *value = arg.mid(name.size() + 1);
        return true;
    }
    if (arg != name)
        return false;
    if (*i + 1 >= args.size()) {
        *error = name + QStringLiteral(" needs a value");
        return true;
    }
    *value = args.at(++*i);
    return true;
}
} // namespace

StartOptions StartOptions::parse(const QStringList& arguments) {
    StartOptions o;
    for (qsizetype i = 1; i < arguments.size() && o.error.isEmpty(); ++i) {
        QString value;
        if (optionValue(arguments, &i, QStringLiteral("--replay"), &value, &o.error)) {
            if (o.error.isEmpty() && value.isEmpty())
                o.error = QStringLiteral("--replay needs a file");
            o.replayFile = value;
        } else if (optionValue(arguments, &i, QStringLiteral("--clock"), &value, &o.error)) {
            if (!o.error.isEmpty())
                break;
            o.clock = QDateTime::fromString(value.trimmed(), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
            if (!o.clock.isValid())
                o.error =
                    QStringLiteral("--clock wants 'yyyy-mm-dd hh:mm:ss', not '%1'").arg(value);
        } else if (optionValue(arguments, &i, QStringLiteral("--board"), &value, &o.error)) {
            if (value == QLatin1String("list"))
                o.board = Board::ListAndQuality;
            else if (value == QLatin1String("picture"))
                o.board = Board::Picture;
            else if (o.error.isEmpty())
                o.error = QStringLiteral("--board wants list or picture, not '%1'").arg(value);
        } else if (optionValue(arguments, &i, QStringLiteral("--report"), &value, &o.error)) {
            if (value == QLatin1String("monthly"))
                o.board = Board::MonthlyReport;
            else if (o.error.isEmpty())
                o.error = QStringLiteral("--report wants monthly, not '%1'").arg(value);
        } else if (arguments.at(i) == QLatin1String("--site")) {
            o.role = Role::Site;
        } else if (arguments.at(i) == QLatin1String("--terminal")) {
            if (o.role == Role::Boards)
                o.role = Role::Terminal;
        } else {
            o.others << arguments.at(i);
        }
    }
    if (o.error.isEmpty() && o.role != Role::Boards && o.board != Board::OrdersAndProduction)
        o.error = QStringLiteral("--board and --report start without --terminal or --site");
    return o;
}
