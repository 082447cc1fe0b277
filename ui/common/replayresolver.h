#pragma once

#include "ui/common/replayhit.h"
#include "ui/common/replaytarget.h"

#include <QString>

class QWidget;

// Finds a script target among the open windows: the window by its objectName, then the
// child, the captioned control or the grid cell inside it (never inside another window
// parented to it). A target in a window that a modal window blocks is not reachable.
class ReplayResolver {
public:
    // The hit, or an empty hit and what stands in the way in *problem.
    static ReplayHit resolve(const ReplayTarget& target, QString* problem);
    // The shown top-level window of that name (the modal or active one first); null when none.
    static QWidget* window(const QString& name);
    // The modal window that blocks input to the window; null when none does.
    static QWidget* blockingModal(const QWidget* window);
};
