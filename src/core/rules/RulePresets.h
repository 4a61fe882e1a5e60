#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace harvex2::core {

// Named rule texts kept as plain files, NAME.rules, one each, in a folder of their own.
// Names follow the rules of profile names, and make file names: no "/", not "." or "..".
class RulePresets {
public:
    static constexpr std::string_view kExtension = ".rules";

    explicit RulePresets(std::string folder);

    // The user's presets, beside the settings.
    static std::string userFolder();

    // Why `name` cannot name a preset, or nothing when it can.
    static std::optional<std::string> nameProblem(std::string_view name);
    // A preset's name taken from the file it is imported from: its name without the folder
    // and without ".rules".
    static std::string nameOfFile(std::string_view path);

    // Sorted; files whose names could not be preset names are left out.
    std::vector<std::string> names() const;
    // These throw platform::IoError.
    std::string load(const std::string& name) const;
    // Replaces a preset of the same name atomically, making the folder when needed.
    void save(const std::string& name, std::string_view text) const;
    // False when there was no such preset.
    bool remove(const std::string& name) const;
    void importFile(const std::string& path, const std::string& name) const;
    void exportTo(const std::string& name, const std::string& path) const;

private:
    std::string pathOf(const std::string& name) const;

    std::string folder_;
};

} // namespace harvex2::core
