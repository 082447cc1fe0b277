#pragma once

struct ReportOpening;

// How the work order list opens the report screen on a job.
namespace ReportOpeningAction {
// The program's report screen shown modeless and loaded with the opener's values.
void open(const ReportOpening& opening);
// Registers open() as the work order list's report opener.
void registerOpener();
} // namespace ReportOpeningAction
