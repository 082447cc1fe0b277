#include "core/platform/hostresolver.h"

#include "core/platform/systemhostresolver.h"

namespace {
HostResolver* g_installed = nullptr;
}

HostResolver& HostResolver::current() {
    static SystemHostResolver system;
    return g_installed ? *g_installed : system;
}

void HostResolver::install(HostResolver* resolver) {
    g_installed = resolver;
}
