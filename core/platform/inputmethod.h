#pragma once

#include <QtGlobal>

// Switches the input method of a native window to alphanumeric conversion (Latin letters
// and digits), where the platform has such a switch. On Windows this is the input-method
// context of the window; elsewhere the widget layer's input hints do the work.
namespace InputMethod {
bool setAlphanumeric(quintptr nativeWindow);
}
