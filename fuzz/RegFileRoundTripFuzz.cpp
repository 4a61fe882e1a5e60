// Arbitrary bytes through the settings file parser: whatever it keeps must survive a write
// and a read unchanged. The written file must read back undamaged, hold the same keys and
// values under the same names, and write again byte for byte as before.
#include "platform/posix/RegFileParser.h"
#include "platform/posix/RegFileWriter.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace harvex2::platform;

void check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

// Names exactly, values in order, subkeys in order.
bool sameKey(const RegKey& a, const RegKey& b) {
    if (a.name() != b.name() || a.values().size() != b.values().size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.values().size(); ++i) {
        if (a.values()[i].name != b.values()[i].name || a.values()[i].data != b.values()[i].data) {
            return false;
        }
    }
    const auto subkeysA = a.subkeys();
    const auto subkeysB = b.subkeys();
    if (subkeysA.size() != subkeysB.size()) {
        return false;
    }
    for (std::size_t i = 0; i < subkeysA.size(); ++i) {
        if (!sameKey(*subkeysA[i], *subkeysB[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The first byte picks the hive, so that sections of the other one are met as well.
    const Hive hive = size > 0 && (data[0] & 1) ? Hive::LocalMachine : Hive::CurrentUser;
    const ParsedRegFile first = RegFileParser::parse(bytes, hive);
    const std::string written = RegFileWriter::write(first.root, hive);
    const ParsedRegFile second = RegFileParser::parse(written, hive);
    check(!second.damaged);
    check(sameKey(first.root, second.root));
    check(RegFileWriter::write(second.root, hive) == written);
    return 0;
}
