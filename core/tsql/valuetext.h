#pragma once

#include <QString>
#include <QVariant>

namespace tsql {

// A result value as the server's tools write it: NULL as "NULL", integers and whole floats
// without decimals, other floats with up to 15 significant digits.
QString valueText(const QVariant& v);

} // namespace tsql
