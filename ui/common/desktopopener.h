#pragma once

#include <QUrl>

#include <functional>

// Hands a file to the desktop's application for it (the spreadsheet application for an
// export). Tests install a handler so nothing is launched.
namespace DesktopOpener {
using Handler = std::function<bool(const QUrl&)>;
bool open(const QUrl& url);
// Installs a handler (an empty one goes back to QDesktopServices); returns the previous.
Handler setHandler(Handler handler);
} // namespace DesktopOpener
