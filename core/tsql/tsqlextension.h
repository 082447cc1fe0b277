#pragma once

struct sqlite3;
struct sqlite3_api_routines;

// The SQLite side of the T-SQL dialect: the conversion and date functions the translated
// text calls (tsql_*) and the collation TSQL_CI (case-insensitive, trailing spaces ignored),
// registered on one connection, and double-quoted texts refused as literals (the translation
// quotes names so). Shaped as a SQLite extension entry point so the same code is loaded by
// other SQLite hosts (the mestsql_ext module, e.g. by the SQLite ODBC driver); the program
// calls it directly. The routine table api is not used: a host loads the module into the same
// shared SQLite library that it uses itself.
extern "C" int sqlite3_mestsql_init(sqlite3* db, char** errorMessage,
                                    const sqlite3_api_routines* api);

namespace tsql {
inline constexpr const char* kCollation = "TSQL_CI";
// Compares two UTF-8 texts as the server's case-insensitive collation does: trailing spaces
// ignored, letters compared without regard to case.
int collate(const char* a, int na, const char* b, int nb);
} // namespace tsql
