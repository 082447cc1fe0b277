#pragma once

#include "core/tsql/token.h"

#include <QString>

#include <stdexcept>

namespace tsql {

// A text the dialect cannot take: a syntax error or a construct outside the supported subset.
// The message already names the position.
class TranslateError : public std::runtime_error {
public:
    enum class Kind { Syntax, Unsupported };

    TranslateError(Kind kind, const QString& message)
        : std::runtime_error(message.toStdString()), m_kind(kind), m_message(message) {}

    static TranslateError syntax(const QString& near, Pos pos) {
        return {Kind::Syntax, QStringLiteral("Incorrect syntax near '%1' at line %2, column %3.")
                                  .arg(near)
                                  .arg(pos.line)
                                  .arg(pos.column)};
    }
    static TranslateError unsupported(const QString& construct, Pos pos) {
        return {Kind::Unsupported, QStringLiteral("unsupported T-SQL: %1 at line %2, column %3")
                                       .arg(construct)
                                       .arg(pos.line)
                                       .arg(pos.column)};
    }

    Kind kind() const { return m_kind; }
    const QString& message() const { return m_message; }

private:
    Kind m_kind;
    QString m_message;
};

} // namespace tsql
