#pragma once

#include <string>
#include <vector>

namespace harvex2::core {

// An editable drop-down box together with its remembered entries.
class HistoryBox {
public:
    virtual ~HistoryBox() = default;
    virtual std::string text() const = 0;
    virtual std::vector<std::string> entries() const = 0;
    virtual void setEntries(const std::vector<std::string>& entries) = 0;
};

} // namespace harvex2::core
