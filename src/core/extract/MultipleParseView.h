#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace harvex2::core {

// The step of a file that the progress window shows in bold; None between files.
enum class MultipleStep { None, ReadingLinks, ResolvingUrls, AddLinks };

// How relative links of a multiple-file run get their base.
enum class BaseUrlMethod {
    OneForAll, // the base field as the user left it
    EachFile   // the user is asked before each file is resolved
};

// What a multiple-file run shows and asks while it goes through the files. The windows
// implement it; the run itself knows no window.
class MultipleParseView {
public:
    virtual ~MultipleParseView() = default;

    virtual void runStarted() = 0;
    virtual void fileStarted(const std::string& path) = 0;
    virtual void showStep(MultipleStep step) = 0;
    // `done` files, counted from 1, are in the link list.
    virtual void fileFinished(std::size_t done) = 0;
    virtual void runFinished() = 0;
    // The run ended early: the progress is of no more use.
    virtual void runStopped() = 0;

    // Asks for this file's base without waiting for it; once answered, the answer has
    // replaced the base field's text and `answered` is called.
    virtual void askBaseUrl(const std::string& path, std::function<void()> answered) = 0;
    // The base field's text as it stands now.
    virtual std::string baseUrl() = 0;
};

} // namespace harvex2::core
