#pragma once

#include "platform/WindowThread.h"

#include <exception>
#include <functional>
#include <memory>

namespace harvex2::core {

// Runs a pass's blocking calls (a socket conversation, an HTTP batch, starting a program)
// one after another on a thread of their own, and hands each result back to the window's
// thread, so the windows are served while a download manager is slow or silent. A pass is
// given up without waiting: the call in flight finishes or fails on its own, and its result
// is dropped.
class PassCalls {
public:
    // `failed` hears, on the window's thread, of an exception from a call or its follow-up.
    PassCalls(platform::WindowThread& windowThread,
              std::function<void(const std::exception&)> failed);
    ~PassCalls();
    PassCalls(const PassCalls&) = delete;
    PassCalls& operator=(const PassCalls&) = delete;

    // Runs `call` on the calls' thread, then `then` with its result on the window's thread,
    // unless the calls were given up meanwhile.
    template <class Result>
    void run(std::function<Result()> call, std::function<void(Result)> then) {
        submit([call = std::move(call), then = std::move(then)]() mutable {
            auto result = std::make_shared<Result>(call());
            return std::function<void()>(
                [then = std::move(then), result] { then(std::move(*result)); });
        });
    }
    // Wraps what follows the user's answer to a box the pass asked without waiting: it runs
    // like a call's follow-up, and not at all once the calls were given up, so a box still
    // open when the window closed answers no one.
    template <class Answer>
    std::function<void(Answer)> whenAnswered(std::function<void(Answer)> then) {
        return [shared = shared_, then = std::move(then)](Answer answer) mutable {
            deliver(shared, [&then, &answer] { then(std::move(answer)); });
        };
    }
    std::function<void()> whenAnswered(std::function<void()> then);
    // Runs `next` on the window's thread once the events waiting there have been served.
    void yield(std::function<void()> next);
    // Drops every result still to come; no follow-up runs after this. The thread ends once
    // its call returns.
    void giveUp();

private:
    struct Shared;
    using Job = std::function<std::function<void()>()>;

    void submit(Job job);
    static void work(std::shared_ptr<Shared> shared);
    static void deliver(const std::shared_ptr<Shared>& shared, std::function<void()> next);

    std::shared_ptr<Shared> shared_;
};

} // namespace harvex2::core
