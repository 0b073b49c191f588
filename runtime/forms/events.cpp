#include "runtime/forms/events.h"

namespace rt {

namespace {
bool g_suppressed = false;
}

void SuppressEvents() {
    g_suppressed = true;
}
void Raise(Handler handler) {
    if (handler != nullptr && !g_suppressed) {
        handler();
    }
}

void Raise(TrayHandler handler, int code) {
    if (handler != nullptr && !g_suppressed) {
        handler(code);
    }
}

} // namespace rt
