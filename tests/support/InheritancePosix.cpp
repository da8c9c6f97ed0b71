#include "support/Inheritance.h"

#include <fcntl.h>

namespace lumbrant::testing {

bool InheritedByStartedPrograms(std::FILE* file) {
    return (::fcntl(::fileno(file), F_GETFD) & FD_CLOEXEC) == 0;
}

} // namespace lumbrant::testing
