#pragma once

#include <QString>
#include <QStringList>

// Texts that break statements spliced without care: quotes, comments, an injected delete,
// LIKE wildcards, Korean, an over-long and an empty text.
inline QStringList hostileTexts() {
    return {QStringLiteral("'"),
            QStringLiteral("''"),
            QStringLiteral("--"),
            QStringLiteral("'; DELETE FROM B_EMPLOYEE; --"),
            QStringLiteral("%"),
            QStringLiteral("_"),
            QStringLiteral("한글'품번"),
            QString(300, QLatin1Char('x')),
            QString()};
}
