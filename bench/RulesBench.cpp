// Twenty mixed rules over a million entries with a view attached, beside a plain loop asking
// the same compiled rules about a vector of the same strings; and Remove Duplicates over a
// million entries, a third of them copies in another form.
#include "OffscreenBench.h"
#include "core/rules/RuleApplication.h"
#include "core/shell/DuplicateRemoval.h"
#include "ui/shell/LinkListModel.h"
#include "ui/shell/LinkListView.h"

#include <memory>
#include <string>
#include <variant>
#include <vector>

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

using harvex2::core::LinkList;
using harvex2::core::RuleSet;

constexpr std::int64_t kEntries = 1'000'000;

constexpr const char* kRules = "+ ext:jpg,png,gif\n"
                               "- glob:*thumb*\n"
                               "+ re:/img[0-9]+/\n"
                               "- host:*.ads.example.com\n"
                               "+ scheme:ftp\n"
                               "- text:preview\n"
                               "+ ext:zip,tar.gz host:www.example.com\n"
                               "- RE:Banner\n"
                               "+ glob:http://*.example.org/*\n"
                               "- text:\"tracking pixel\"\n"
                               "+ ext:mp4 text:video\n"
                               "- re:\\?session=\n"
                               "+ host:cdn*.example.net\n"
                               "- ext:html,htm\n"
                               "+ TEXT:Chapter\n"
                               "- glob:*.php?*\n"
                               "+ re:(a+)+$\n"
                               "- scheme:mailto\n"
                               "+ ext:pdf host:*.example.com\n"
                               "- text:logout\n";

std::string linkText(std::int64_t i) {
    static const char* const kForms[] = {
        "http://www.example.com/files/archive-%.zip", "http://img.example.com/img%/photo.jpg",
        "http://x.ads.example.com/thumb-%.png",       "ftp://ftp.example.org/pub/%.tar.gz",
        "http://cdn3.example.net/video/%.mp4?s=1",    "http://www.example.com/page-%.html#top",
        "https://docs.example.com/Chapter-%.pdf",     "http://www.example.com/index.php?id=%",
    };
    std::string text = kForms[i % 8];
    text.replace(text.find('%'), 1, std::to_string(i));
    return text;
}

std::vector<std::string> linkTexts() {
    std::vector<std::string> texts;
    texts.reserve(kEntries);
    for (std::int64_t i = 0; i < kEntries; ++i) {
        texts.push_back(linkText(i));
    }
    return texts;
}

RuleSet compiledRules() {
    return std::get<RuleSet>(RuleSet::parse(kRules));
}

void rulesWithView(benchmark::State& state) {
    LinkList links;
    links.appendAll(linkTexts());
    harvex2::ui::LinkListModel model(links);
    harvex2::ui::LinkListView view;
    view.setLinkModel(&model);
    view.resize(330, 160);
    view.show();
    const RuleSet rules = compiledRules();
    for (auto _ : state) {
        state.PauseTiming();
        links.deselectAll();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        harvex2::core::applyRules(links, rules, {"http://base.example.com/"});
        QCoreApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * kEntries);
}
BENCHMARK(rulesWithView)->Unit(benchmark::kMillisecond);

// The baseline: the same compiled rules asked of each string, flags into a plain vector.
void plainRuleLoop(benchmark::State& state) {
    const std::vector<std::string> texts = linkTexts();
    const RuleSet rules = compiledRules();
    const harvex2::core::RuleContext context{"http://base.example.com/"};
    std::vector<char> checked(texts.size());
    for (auto _ : state) {
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const std::size_t line = rules.decide(texts[i], context);
            checked[i] = line != RuleSet::kUndecided && rules.lines()[line].select;
        }
        benchmark::DoNotOptimize(checked.data());
    }
    state.SetItemsProcessed(state.iterations() * kEntries);
}
BENCHMARK(plainRuleLoop)->Unit(benchmark::kMillisecond);

// Every third entry repeats the one before it with a fragment and the scheme in capitals.
void removeDuplicatesWithView(benchmark::State& state) {
    std::vector<std::string> texts = linkTexts();
    for (std::size_t i = 2; i < texts.size(); i += 3) {
        texts[i] = texts[i - 1] + "#part";
        for (std::size_t j = 0; j < 3; ++j) {
            texts[i][j] = static_cast<char>(texts[i][j] - 'a' + 'A');
        }
    }
    std::unique_ptr<LinkList> links;
    std::unique_ptr<harvex2::ui::LinkListModel> model;
    std::unique_ptr<harvex2::ui::LinkListView> view;
    for (auto _ : state) {
        state.PauseTiming();
        view.reset();
        model.reset();
        links = std::make_unique<LinkList>();
        links->appendAll(texts);
        model = std::make_unique<harvex2::ui::LinkListModel>(*links);
        view = std::make_unique<harvex2::ui::LinkListView>();
        view->setLinkModel(model.get());
        view->resize(330, 160);
        view->show();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        benchmark::DoNotOptimize(harvex2::core::removeDuplicates(*links, {"", true}));
        QCoreApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * kEntries);
}
BENCHMARK(removeDuplicatesWithView)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    return harvex2::bench::runOffscreenBenchmarks(argc, argv);
}
