#pragma once

#include <QString>

// conf.ini in the program folder.
QString gfINI_PATH();
// Writes the built-in values of the eight server, database, login and FTP keys.
void gfINI_WRITE_DEFAULTS();
// Reads the ten keys into the global state, then this program's own keys.
void gfINI_READ();
