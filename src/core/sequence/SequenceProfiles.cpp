#include "core/sequence/SequenceProfiles.h"

#include "core/shell/SettingsStorage.h"
#include "platform/KeyHandle.h"
#include "platform/posix/Utf16Text.h"

#include <algorithm>

namespace harvex2::core {

const std::string SequenceProfiles::kProfilesKey = std::string(kHarvexRootKey) + "\\Seq";

namespace {

std::string keyOf(const std::string& name) {
    return SequenceProfiles::kProfilesKey + "\\" + name;
}

bool isControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

} // namespace

std::optional<std::string> SequenceProfiles::nameProblem(std::string_view name) {
    if (name.empty()) {
        return "Please enter a name for the profile.";
    }
    if (name.find('\\') != std::string_view::npos) {
        return "A profile name cannot contain \"\\\".";
    }
    if (std::any_of(name.begin(), name.end(), isControl)) {
        return "A profile name cannot contain line breaks, tabs or other control characters.";
    }
    // The store keeps names as UTF-16 text: other bytes cannot make a key.
    if (!platform::Utf16Text::isValidUtf8(name)) {
        return "A profile name cannot contain bytes that are not UTF-8 text.";
    }
    return std::nullopt;
}

void SequenceProfiles::save(platform::RegistryStore& store, const std::string& name,
                            const SequenceFields& fields) {
    platform::KeyHandle key(store);
    if (!key.open(keyOf(name), true)) {
        throw platform::RegistryError("Failed to set data for 'URL'");
    }
    store.writeString("URL", fields.url);
    store.writeInteger("CharDigit", fields.charDigit);
    store.writeString("DownloadDir", fields.downloadDir);
    store.writeBool("Zeros", fields.zeros);
    store.writeString("ZerosCount", fields.zerosCount);
    store.writeBool("NV", fields.nv);
    store.writeString("Start", fields.start);
    store.writeString("End", fields.end);
    store.writeString("Step", fields.step);
    store.writeBool("Glob", fields.glob);
}

bool SequenceProfiles::load(platform::RegistryStore& store, const std::string& name,
                            SequenceFields& fields) {
    platform::KeyHandle key(store);
    if (name.empty() || !key.open(keyOf(name), false)) {
        return false;
    }
    fields.url = store.readString("URL");
    fields.charDigit = store.readInteger("CharDigit");
    fields.downloadDir = store.readString("DownloadDir");
    fields.zeros = store.readBool("Zeros");
    fields.zerosCount = store.readString("ZerosCount");
    fields.nv = store.readBool("NV");
    fields.start = store.readString("Start");
    fields.end = store.readString("End");
    fields.step = store.readString("Step");
    if (fields.step.empty()) {
        fields.step = "1";
    }
    // Profiles saved before bracket templates existed are marker profiles.
    fields.glob = store.valueExists("Glob") && store.readBool("Glob");
    return true;
}

std::vector<std::string> SequenceProfiles::names(platform::RegistryStore& store) {
    platform::KeyHandle key(store);
    if (!key.open(kProfilesKey, false)) {
        return {};
    }
    return store.subkeyNames();
}

bool SequenceProfiles::remove(platform::RegistryStore& store, const std::string& name) {
    // An empty name would take every profile with it.
    if (name.empty() || !store.openKey(kProfilesKey, false)) {
        return false;
    }
    store.closeKey();
    return store.deleteKey(keyOf(name));
}

} // namespace harvex2::core
