#pragma once

#include "core/data/dberror.h"
#include "core/data/recordset.h"
#include "core/tsql/handlestate.h"
#include "core/tsql/token.h"
#include "core/tsql/translateerror.h"

#include <QString>

#include <functional>
#include <vector>

class StatementRunner;

namespace tsql {

// Runs a T-SQL batch with a connection's state: translated (from the template of its shape
// when there is a usable one), its statements handed one by one to native, IF and
// BEGIN..END run as control flow here. Every result set goes to onResult in order (which
// may move it away); affected is the total of changed rows.
bool runBatch(HandleState& state, StatementRunner& native, const QString& text,
              const std::function<void(Recordset&)>& onResult, qint64* affected, DbError* err);

// A refused translation as the server's error.
DbError translationError(const TranslateError& e);
// The translation of a text from the template of its shape, if there is a usable one.
bool fromTemplate(HandleState& state, const QString& text, literals::Shape* shape, QString* sql,
                  bool* select);
// Keeps the template of a single-statement batch that translated in full.
void keepTemplate(HandleState& state, const literals::Shape& shape, const Batch& batch,
                  const std::vector<Token>& tokens);

} // namespace tsql
