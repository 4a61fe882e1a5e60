#include "cli/ListenedSource.h"

#include "cli/LinkWriter.h"

namespace harvex2::cli {

std::size_t ListenedSource::read(char* buffer, std::size_t capacity) {
    return writer_.deliver() ? source_.read(buffer, capacity) : 0;
}

} // namespace harvex2::cli
