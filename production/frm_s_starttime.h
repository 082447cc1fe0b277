#pragma once

#include "production/timeentrydialog.h"

// Entry of the run's start time; the display is lblStarttime.
class frm_S_starttime : public TimeEntryDialog {
    Q_OBJECT
public:
    explicit frm_S_starttime(QWidget* parent);
};
