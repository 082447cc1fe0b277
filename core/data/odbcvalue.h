#pragma once

#include <QString>

// An attribute value as an ODBC connection string carries it. A value holding ';', '{' or
// '}', or starting or ending with a space, is wrapped in braces with every '}' doubled, so
// that the driver manager reads it whole; any other value is passed unchanged.
QString odbcAttributeValue(const QString& value);
