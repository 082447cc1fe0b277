#pragma once

#include <QString>

// One synchronous fetch of a web document as text. Pending events run while it waits.
// ok is false only when no answer came (no server, time-out); an error page is text too.
QString fetchWebText(const QString& url, int timeoutMs, bool* ok);
