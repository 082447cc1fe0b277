#pragma once

#include <memory>

class SqliteDialect;

// The dialect the embedded backend runs the program's statements through.
std::shared_ptr<SqliteDialect> embeddedDialect();
