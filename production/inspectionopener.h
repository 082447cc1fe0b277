#pragma once

#include <functional>

class frm_S_dayReport;

// The report screen opens the quality sheets of its running job through these hooks: the
// sheets live in a library above this one, which registers the openers at start-up. A
// sheet without an opener has no button on the report screen.
namespace InspectionOpenerHook {

enum class Sheet { Inspection, Mould };
using Opener = std::function<void(frm_S_dayReport*)>;

// Installs the opener of a sheet (an empty one removes it); returns the previous.
Opener set(Sheet sheet, Opener opener);
bool isSet(Sheet sheet);
// Calls the sheet's opener on the report screen; false when none is registered.
bool open(Sheet sheet, frm_S_dayReport* report);

} // namespace InspectionOpenerHook
