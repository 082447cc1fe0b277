#pragma once

#include "production/timeentrydialog.h"

// Entry of the run's end time; the display is lblEndtime.
class frm_S_endtime : public TimeEntryDialog {
    Q_OBJECT
public:
    explicit frm_S_endtime(QWidget* parent);
};
