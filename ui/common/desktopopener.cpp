#include "ui/common/desktopopener.h"

#include <QDesktopServices>

namespace {
DesktopOpener::Handler& handler() {
    static DesktopOpener::Handler h;
    return h;
}
} // namespace

namespace DesktopOpener {
bool open(const QUrl& url) {
    return handler() ? handler()(url) : QDesktopServices::openUrl(url);
}

Handler setHandler(Handler h) {
    Handler previous = std::move(handler());
    handler() = std::move(h);
    return previous;
}
} // namespace DesktopOpener
