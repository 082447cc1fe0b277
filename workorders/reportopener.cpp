#include "workorders/reportopener.h"

namespace {
ReportOpener& current() {
    static ReportOpener opener;
    return opener;
}
} // namespace

namespace ReportOpenerHook {

ReportOpener set(ReportOpener opener) {
    ReportOpener previous = std::move(current());
    current() = std::move(opener);
    return previous;
}

bool isSet() {
    return bool(current());
}

bool open(const ReportOpening& opening) {
    if (!current())
        return false;
    current()(opening);
    return true;
}

} // namespace ReportOpenerHook
