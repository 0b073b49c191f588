#pragma once
#include <cstddef>

namespace rt {

using ExitRoutine = void (*)();

// The routines that run once when the program ends in an orderly way. A fixed
// capacity keeps registration free of allocation, so it also works while the
// program is being torn down after an allocation failure.
class ExitRoutineList {
  public:
    static constexpr std::size_t Capacity = 16;

    // Appends the routine unless it is already listed; false when full.
    bool Register(ExitRoutine routine);
    // Runs every routine once, in the order of registration, then empties the list.
    void RunAll();
    void Clear() { count_ = 0; }
    std::size_t Count() const { return count_; }

  private:
    ExitRoutine routines_[Capacity] = {};
    std::size_t count_ = 0;
};

} // namespace rt
