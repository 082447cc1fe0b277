#pragma once

#include <QString>

namespace tsql {

// Where a LIKE pattern (% _ [set] [a-z] [^set]) first matches in s, without regard to case,
// as PATINDEX gives it: 1-based, 0 when it does not. A pattern that does not begin with %
// must match from the first character; one that does not end with % must match to the last.
qsizetype likePosition(const QString& pattern, const QString& s);

} // namespace tsql
