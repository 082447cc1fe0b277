#pragma once

#include <QString>

namespace tsql {

// The type the type pass gives an expression. Unknown means the runtime functions decide.
// The order of the numeric members follows SQL Server's precedence (higher wins).
enum class SqlType { Unknown, Null, Text, Int, BigInt, Numeric, Float, DateTime };

inline bool isInteger(SqlType t) {
    return t == SqlType::Int || t == SqlType::BigInt;
}

inline bool isNumeric(SqlType t) {
    return isInteger(t) || t == SqlType::Numeric || t == SqlType::Float;
}

// The type of a declared column type as the schema script writes it (VARCHAR(20), INT,
// NUMERIC(18,3), DATETIME, FLOAT ...).
SqlType typeOfDeclared(const QString& declared);

} // namespace tsql
