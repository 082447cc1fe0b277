#pragma once

#include <QtGlobal>

// Switches the input method of a native window to alphanumeric conversion (Latin letters
// and digits), where the platform has such a switch. On Windows this is the input-method
// context of the window; elsewhere the widget layer's input hints do the work. Tests
// install one that records the windows it was asked to switch.
class InputMethod {
public:
    virtual ~InputMethod() = default;
    virtual bool setAlphanumeric(quintptr nativeWindow) = 0;

    static InputMethod& current();
    // Installs an input method (not owned); nullptr goes back to the real one.
    static void install(InputMethod* inputMethod);
};
