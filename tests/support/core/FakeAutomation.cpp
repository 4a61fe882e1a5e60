#include "support/core/FakeAutomation.h"

namespace harvex2::test {

namespace {

class FakeObject : public platform::AutomationObject {
public:
    explicit FakeObject(FakeAutomation& automation) : automation_(automation) {
        ++automation_.objectsAlive;
    }
    ~FakeObject() override { --automation_.objectsAlive; }
    FakeObject(const FakeObject&) = delete;
    FakeObject& operator=(const FakeObject&) = delete;

    void call(const std::string& method, const std::string& argument) override {
        if (automation_.failingCall == automation_.calls.size()) {
            throw platform::AutomationError(automation_.failure);
        }
        automation_.calls.emplace_back(method, argument);
    }
    void interrupt() override {}

private:
    FakeAutomation& automation_;
};

} // namespace

std::unique_ptr<platform::AutomationObject> FakeAutomation::create(const std::string& progId) {
    created.push_back(progId);
    if (!registered) {
        throw platform::AutomationError("Class not registered");
    }
    return std::make_unique<FakeObject>(*this);
}

} // namespace harvex2::test
