#include "runtime/system/bound_function.h"

#include <cstring>

#include "runtime/loop/fatal.h"
#include "runtime/loop/fatal_text.h"

namespace rt {

namespace {

constexpr int MaxBound = 16;
BoundFunction* g_bound[MaxBound];
int g_boundCount = 0;

// The names are ASCII; widening them by hand keeps the error path free of
// allocation and of code-page conversion.
void Widen(const char* text, wchar_t* out, std::size_t capacity) {
    std::size_t i = 0;
    for (; text[i] != '\0' && i + 1 < capacity; ++i) {
        out[i] = static_cast<unsigned char>(text[i]);
    }
    out[i] = L'\0';
}

// Loads the library from the system directory only, so that a file of the
// same name beside the program or in the working directory is never picked up.
HMODULE LoadSystemLibrary(const char* library) {
    char path[MAX_PATH];
    const UINT length = GetSystemDirectoryA(path, MAX_PATH);
    if (length == 0 || length + 1 + std::strlen(library) >= MAX_PATH) {
        return nullptr;
    }
    path[length] = '\\';
    std::strcpy(path + length + 1, library);
    return LoadLibraryA(path);
}

[[noreturn]] void ReportMissing(const BoundFunction& function) {
    wchar_t library[MAX_PATH];
    wchar_t name[256];
    Widen(function.library, library, MAX_PATH);
    Widen(function.name, name, 256);
    const FixedText message = MissingExportMessage(library, name);
    ReportFatalError(message.Get());
}

} // namespace

FARPROC Resolve(BoundFunction& function) {
    if (function.address != nullptr) {
        return function.address;
    }
    HMODULE module = LoadSystemLibrary(function.library);
    FARPROC address = module != nullptr ? GetProcAddress(module, function.name) : nullptr;
    if (address == nullptr || g_boundCount == MaxBound) {
        if (module != nullptr) {
            FreeLibrary(module);
        }
        ReportMissing(function);
    }
    function.module = module;
    function.address = address;
    g_bound[g_boundCount++] = &function;
    return address;
}

void ReleaseBoundLibraries() {
    while (g_boundCount > 0) {
        BoundFunction& function = *g_bound[--g_boundCount];
        FreeLibrary(function.module);
        function.module = nullptr;
        function.address = nullptr;
    }
}

} // namespace rt
