#include "core/platform/inputmethod.h"

#ifdef Q_OS_WIN
#include <windows.h>
#include <imm.h>
#endif

bool InputMethod::setAlphanumeric(quintptr nativeWindow) {
#ifdef Q_OS_WIN
    HWND hwnd = reinterpret_cast<HWND>(nativeWindow);
    HIMC ctx = ImmGetContext(hwnd);
    if (!ctx)
        return false;
    const bool ok = ImmSetConversionStatus(ctx, 0, 0);
    ImmReleaseContext(hwnd, ctx);
    return ok;
#else
    Q_UNUSED(nativeWindow);
    return false;
#endif
}
