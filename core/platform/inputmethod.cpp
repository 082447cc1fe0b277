#include "core/platform/inputmethod.h"

#ifdef Q_OS_WIN
#include <imm.h>
#include <windows.h>
#endif

namespace {
class PlatformInputMethod : public InputMethod {
public:
    bool setAlphanumeric(quintptr nativeWindow) override {
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
};

InputMethod* g_installed = nullptr;
} // namespace

InputMethod& InputMethod::current() {
    static PlatformInputMethod platform;
    return g_installed ? *g_installed : platform;
}

void InputMethod::install(InputMethod* inputMethod) {
    g_installed = inputMethod;
}
