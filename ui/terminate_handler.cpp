// What happens when a C++ exception escapes everything (or meets a noexcept): the
// program ends at once with exit code 2, "installation failed". The runtime's own
// handler would call abort(), whose "Runtime Error" message box stops an unattended
// install; it also prints demangled type names, and the demangler it pulls in is
// about 46 KB of a 300 KB program. Defining it here keeps the runtime's out of the link.
#include <windows.h>

namespace __gnu_cxx {

void __verbose_terminate_handler() { ExitProcess(2); }

}  // namespace __gnu_cxx
