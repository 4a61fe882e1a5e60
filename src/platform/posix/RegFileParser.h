#pragma once

#include "platform/RegistryStore.h"
#include "platform/posix/RegKey.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace harvex2::platform {

struct ParsedRegFile {
    RegKey root;
    // Something was skipped: the file is not what the store would have written.
    bool damaged = false;
};

// Reads a hive from the registry editor's export format. Lenient: whatever cannot be read
// (a cut-off line, garbage, a section of another hive, an unknown value type, a missing
// header) is skipped and marks the file damaged; everything else is kept.
class RegFileParser {
public:
    static ParsedRegFile parse(std::string_view bytes, Hive hive);

private:
    RegFileParser(std::string_view bytes, Hive hive);

    void run();
    bool takeLine(std::string_view& line);
    std::optional<std::string_view> peekLine() const;
    void readLine(std::string_view line);
    void readKeyLine(std::string_view line);
    void readValueLine(std::string_view line);
    std::optional<RegData> readData(std::string_view text);
    std::optional<std::string> readHexList(std::string_view text);

    // Only a UTF-16 file is converted; any other is read where it lies.
    std::string converted_;
    std::string_view text_;
    std::size_t next_ = 0; // where the next line starts
    Hive hive_;
    ParsedRegFile result_;
    RegKey* key_ = nullptr; // null before the first section and inside a skipped one
};

} // namespace harvex2::platform
