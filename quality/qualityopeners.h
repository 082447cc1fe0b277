#pragma once

class frm_S_dayReport;

// How the report screen opens the quality sheets of its running job.
namespace QualityOpeners {
// The inspection sheet, filled from the report screen's job.
void openInspection(frm_S_dayReport* report);
// A new mould condition sheet with the report screen's job as its context.
void openMould(frm_S_dayReport* report);
// Registers both as the report screen's sheet openers.
void registerOpeners();
} // namespace QualityOpeners
