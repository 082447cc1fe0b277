#pragma once

#include "core/tsql/token.h"

#include <QString>

#include <stdexcept>

namespace tsql {

// A text the dialect cannot take: a syntax error, a type error the server reports before it
// runs anything (with the server's number for it), or a construct outside the supported
// subset. The message of a syntax error or a refusal names the position.
class TranslateError : public std::runtime_error {
public:
    enum class Kind { Syntax, Type, Unsupported };

    TranslateError(Kind kind, const QString& message, int serverNumber = 0)
        : std::runtime_error(message.toStdString()), m_kind(kind), m_message(message),
          m_serverNumber(serverNumber) {}

    static TranslateError syntax(const QString& near, Pos pos) {
        return {Kind::Syntax,
                QStringLiteral("Incorrect syntax near '%1' at line %2, column %3.")
                    .arg(near, QString::number(pos.line), QString::number(pos.column))};
    }
    static TranslateError unsupported(const QString& construct, Pos pos) {
        return {Kind::Unsupported,
                QStringLiteral("unsupported T-SQL: %1 at line %2, column %3")
                    .arg(construct, QString::number(pos.line), QString::number(pos.column))};
    }

    // A type error with the server's number and message for it.
    static TranslateError type(int serverNumber, const QString& message) {
        return {Kind::Type, message, serverNumber};
    }

    Kind kind() const { return m_kind; }
    const QString& message() const { return m_message; }
    // The server's number of a type error; 0 for the other kinds.
    int serverNumber() const { return m_serverNumber; }

private:
    Kind m_kind;
    QString m_message;
    int m_serverNumber = 0;
};

} // namespace tsql
