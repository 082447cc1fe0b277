#pragma once

#include <QString>

// The SQL files of this folder, built into the program.
class DbScripts {
public:
    // db/schema.sql: creates every table of the plant database the client uses.
    static QString schema();
};
