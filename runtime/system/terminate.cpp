// The program throws no exceptions, yet the GNU C++ library still links in its
// default terminate handler, which demangles and prints the type of an
// uncaught exception to a console that a GUI program does not have; the
// demangler alone is a tenth of the executable. Should the library ever
// terminate the program, ending it at once is all that handler could do here.
#include <cstdlib>

#if defined(__GLIBCXX__)
namespace __gnu_cxx {
void __verbose_terminate_handler() {
    std::abort();
}
} // namespace __gnu_cxx
#endif
