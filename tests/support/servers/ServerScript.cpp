#include "support/servers/ServerScript.h"

namespace harvex2::test {

void ServerScript::add(ServerAnswer answer) {
    const std::lock_guard lock(mutex_);
    answers_.push_back(std::move(answer));
}

void ServerScript::setDefault(ServerAnswer answer) {
    const std::lock_guard lock(mutex_);
    default_ = std::move(answer);
}

void ServerScript::setListener(std::function<void(const std::string&)> listener) {
    const std::lock_guard lock(mutex_);
    listener_ = std::move(listener);
}

ServerAnswer ServerScript::next(const std::string& request) {
    const std::lock_guard lock(mutex_);
    requests_.push_back(request);
    if (listener_) {
        listener_(request);
    }
    if (answers_.empty()) {
        return default_;
    }
    ServerAnswer answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
}

std::vector<std::string> ServerScript::requests() const {
    const std::lock_guard lock(mutex_);
    return requests_;
}

} // namespace harvex2::test
