#pragma once

#include <QRect>
#include <QString>

class QWidget;

// The terminal's screens find each other by their names: the dialogs are placed on the work
// order list screen and write their answers into the screens that asked.

// The top-level window with this objectName (a shown one before a hidden one), or null.
QWidget* findScreen(const QString& name);
// The work order list screen's geometry when it exists, else the primary screen's.
QRect workOrderListGeometry();
