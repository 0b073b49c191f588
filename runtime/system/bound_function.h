#pragma once
#include <windows.h>

namespace rt {

// A system function called through an address looked up by name at its
// first call, so that the program still starts on a system that lacks it
// and reports the missing function only when it is needed.
struct BoundFunction {
    const char* library;
    const char* name;
    FARPROC address = nullptr;
    HMODULE module = nullptr;
};

// The function's address, bound at the first call; a library or export that
// cannot be found is a run-time error.
FARPROC Resolve(BoundFunction& function);

template <class Signature> Signature Resolved(BoundFunction& function) {
    return reinterpret_cast<Signature>(reinterpret_cast<void*>(Resolve(function)));
}

// Releases the libraries that binding loaded; the program is ending.
void ReleaseBoundLibraries();

} // namespace rt
