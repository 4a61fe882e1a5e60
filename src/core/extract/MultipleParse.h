#pragma once

#include "core/extract/MultipleParseView.h"
#include "core/extract/ParseHtmlScan.h"
#include "core/shell/LinkList.h"
#include "core/shell/SettingsRecord.h"
#include "core/shell/SlicedRun.h"
#include "platform/Prompts.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace harvex2::core {

// Parses several HTML files in one run and appends their links already resolved against a
// base URL: the page's own address when it names one, else the base field. A file's links
// reach the link list only once the whole file is read and resolved, so a file never
// leaves part of its links behind.
//
// The run goes in slices until it must ask the user something: a file that cannot be
// opened, a base for the file (with EachFile), a relative link without a base. It then
// stops its slices, and ask() puts the question, outside any slice, and hears the answer
// once the box has closed: nothing waits inside a box meanwhile.
class MultipleParse {
public:
    // The settings are taken as they stand now, for the whole run.
    MultipleParse(const SettingsRecord& settings, LinkList& links, platform::Prompts& prompts,
                  MultipleParseView& view, std::vector<std::string> files, BaseUrlMethod method);
    ~MultipleParse();

    // The run's slices until it must ask or has ended.
    std::unique_ptr<SlicedRun> slices();
    // Hears whether the run goes on, in new slices; false once it has ended.
    using Answered = std::function<void(bool goesOn)>;

    // Puts the question the slices stopped at; `answered` hears the outcome once the user
    // has answered, never after the run is gone.
    void ask(Answered answered);
    // Ends the run at the next file, or at once while a file is read or resolved: that
    // file adds nothing.
    void cancel();
    // Whether every file was processed.
    bool completed() const { return stage_ == Stage::Completed; }

private:
    enum class Stage { NextFile, Reading, Resolving, Adding, Completed, Stopped };
    enum class Question { None, OpenError, BaseUrl, NeedBase };
    class Slices;

    bool advance();
    bool startFile();
    bool read();
    // After the reading: on to resolving, or a stop to ask for the file's base.
    bool resolveNext();
    bool resolve();
    bool add();
    bool stop();
    bool goesOn() const;
    platform::MessageRequest openErrorRequest();
    // `then`, called only while this run still exists.
    template <class Then> auto whileAlive(Then then) const;

    const SettingsRecord settings_;
    LinkList& links_;
    platform::Prompts& prompts_;
    MultipleParseView& view_;
    const std::vector<std::string> files_;
    const BaseUrlMethod method_;

    Stage stage_ = Stage::NextFile;
    Question question_ = Question::None;
    bool started_ = false;
    bool cancelled_ = false;
    std::size_t file_ = 0; // the file being processed
    int openError_ = 0;
    std::size_t openErrorsShown_ = 0;
    bool skipOpenErrors_ = false;
    std::optional<ParseHtmlScan> scan_;
    std::vector<std::string> staging_;
    std::string address_;
    std::optional<std::string> base_; // read once the file's base is known
    std::size_t done_ = 0;            // staging entries resolved or added so far
    std::shared_ptr<int> alive_ = std::make_shared<int>();
};

} // namespace harvex2::core
