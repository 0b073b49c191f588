#include "runtime/loop/exit_routines.h"

namespace rt {

bool ExitRoutineList::Register(ExitRoutine routine) {
    for (std::size_t i = 0; i < count_; ++i) {
        if (routines_[i] == routine) {
            return true;
        }
    }
    if (count_ == Capacity) {
        return false;
    }
    routines_[count_++] = routine;
    return true;
}

void ExitRoutineList::RunAll() {
    // A routine that registers another while the list runs would otherwise be
    // run in this pass or lost; taking a snapshot keeps "each once" simple.
    ExitRoutine pending[Capacity];
    const std::size_t n = count_;
    for (std::size_t i = 0; i < n; ++i) {
        pending[i] = routines_[i];
    }
    count_ = 0;
    for (std::size_t i = 0; i < n; ++i) {
        pending[i]();
    }
}

} // namespace rt
