#pragma once

#include <QString>

#include <functional>

// The work order list opens the running job's report screen through this hook: the report
// screen lives in a library above this one, which registers the opener at start-up. Until
// one is registered the list offers no way to the report screen.
struct ReportOpening {
    QString processCode;   // the row's "공정코드"
    QString equipmentCode; // the row's "설비코드"
    QString seq;           // the row's "지시순번"
    QString moldNo;        // the row's "금형번호"
    QString opSeqSub;      // the run to show; empty keeps the screen's current run
};

using ReportOpener = std::function<void(const ReportOpening&)>;

namespace ReportOpenerHook {
// Installs the opener (an empty one removes it); returns the previous.
ReportOpener set(ReportOpener opener);
bool isSet();
// Calls the opener; false when none is registered.
bool open(const ReportOpening& opening);
} // namespace ReportOpenerHook
