#include "support/Inheritance.h"

#include <io.h>
#include <windows.h>

namespace lumbrant::testing {

bool InheritedByStartedPrograms(std::FILE* file) {
    DWORD flags = 0;
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
    return GetHandleInformation(handle, &flags) && (flags & HANDLE_FLAG_INHERIT) != 0;
}

} // namespace lumbrant::testing
