#pragma once

#include <deque>
#include <functional>
#include <string>

#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace harvex2::test {

// Answers the modal windows that a test's action brings up, in order: each step waits for
// the window of its object name to be the active modal one and then acts on it (the action
// must close it). Steps left when the script is destroyed fail the test.
class ModalScript {
public:
    using Action = std::function<void(QWidget& window)>;

    ModalScript();
    ~ModalScript();
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    void then(std::string windowName, Action action);
    bool done() const { return steps_.empty(); }

    // Finds a control of a window by object name, failing the test when it is missing.
    template <class T> static T* control(QWidget& window, const char* name) {
        T* found = window.findChild<T*>(QLatin1StringView(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

private:
    struct Step {
        std::string windowName;
        Action action;
    };
    void poll();

    std::deque<Step> steps_;
    QTimer timer_;
};

} // namespace harvex2::test
