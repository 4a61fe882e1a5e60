#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace harvex2::core {

// What a file name taken from a link must be before a download manager is asked to save
// under it. A link's text is untrusted: its name must not leave the chosen folder, hide
// control characters, or be longer than a file system takes.
class FileNameRule {
public:
    // The longest name, in bytes, that common file systems take.
    static constexpr std::size_t kMaxBytes = 255;

    // The name for a link's last path segment as the link writes it (percent-escapes
    // decoded), or nullopt when it gives no usable name and the download manager should name
    // the file itself.
    static std::optional<std::string> fromLinkSegment(std::string_view segment);
    // The same rules for a name that is already decoded: separators, NUL and control
    // characters become "_", a long name is cut keeping its extension; an empty name, "."
    // or "..", a name of blanks only, or bytes that are not UTF-8 give nullopt.
    static std::optional<std::string> clean(std::string_view name);

    static std::string percentDecoded(std::string_view text);
    static bool isUtf8(std::string_view text);

private:
    static std::string withoutControls(std::string_view name);
    static std::string cut(std::string name);
};

} // namespace harvex2::core
