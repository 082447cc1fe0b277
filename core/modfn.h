#pragma once

#include "core/data/dberror.h"

#include <QDateTime>
#include <QString>
#include <QVariant>

// The value as statement text between single quotes: empty for NULL, every ' doubled.
QString gfSQL_STR(const QVariant& value);
// An information message titled "알림".
void gfMSG_INFO(const QString& text);
// Reports a failure: closes the shared result, offers to reconnect when the connection is
// closed, shows the message when not empty, resets the busy pointer and appends a record
// to the monthly error log. Never fails outward.
void gfERR_LOG(const DbError& err, const QString& message, const QString& location);

// What gfERR_LOG runs when it finds the connection closed. The statement helpers install
// their reconnect prompt here, so the error reporter does not depend on them.
using ReconnectHook = void (*)();
void setErrLogReconnectHook(ReconnectHook hook);

// The record gfERR_LOG appends (without the closing line break it adds).
QString errLogRecord(const DbError& err, const QString& message, const QString& location,
                     const QDateTime& at);
// The log file of the month of the given time: <program folder>/yyyymm.err.
QString errLogFile(const QDateTime& at);
