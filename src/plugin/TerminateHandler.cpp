// The C++ runtime's default terminate handler writes the uncaught exception's
// demangled type to standard error, then aborts. A plug-in inside a windowed
// host has no standard error, and the demangler and the printf family it pulls
// in were a third of the DLL. This definition takes the default's place at link
// time and only aborts. It is reached only where the runtime itself gives up:
// every export and callback catches everything.
#include <cstdlib>
#include <exception>

namespace __gnu_cxx {

void __verbose_terminate_handler()
{
    std::abort();
}

} // namespace __gnu_cxx
