#pragma once

#include <memory>
#include <stdexcept>
#include <string>

namespace harvex2::platform {

// A failure of an automation object or of the way to it; the text is the server's own
// where the server gave one.
class AutomationError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An automation object reached by late binding; released when destroyed.
class AutomationObject {
public:
    virtual ~AutomationObject() = default;
    // Calls the method of that name as a method, with one text argument; nothing is read
    // back. Throws AutomationError with the server's text when the call fails.
    virtual void call(const std::string& method, const std::string& argument) = 0;
    // Fails the call in flight and every later one at once. Safe from any thread.
    virtual void interrupt() = 0;
};

// Makes automation objects by their ProgID.
class Automation {
public:
    virtual ~Automation() = default;
    // Throws AutomationError when no server provides the object.
    virtual std::unique_ptr<AutomationObject> create(const std::string& progId) = 0;
};

} // namespace harvex2::platform
