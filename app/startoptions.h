#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// The start-up options: the role (--terminal, --site; the boards without either), the board
// or report the boards' role starts with (--board list, --board picture, --report monthly;
// the order and production boards without them) and the scripted terminal's --replay FILE
// and --clock 'yyyy-mm-dd hh:mm:ss'.
struct StartOptions {
    // The site choice comes before the login, so --site wins over --terminal.
    enum class Role { Boards, Terminal, Site };
    enum class Board { OrdersAndProduction, ListAndQuality, Picture, MonthlyReport };
    Role role = Role::Boards;
    Board board = Board::OrdersAndProduction;
    QString replayFile;
    QDateTime clock; // invalid when not given
    QStringList others;
    QString error; // empty when the options are sound

    // arguments as QCoreApplication::arguments() gives them (the program first).
    static StartOptions parse(const QStringList& arguments);
};
