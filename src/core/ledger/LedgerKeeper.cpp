#include "core/ledger/LedgerKeeper.h"

#include "platform/IoError.h"

#include <memory>

namespace harvex2::core {

LedgerKeeper::LedgerKeeper(std::string path, platform::WindowThread& windowThread, Report report)
    : ledger_(std::move(path)), report_(std::move(report)),
      calls_(windowThread, [this](const std::exception& failure) {
          tell("Cannot read sent links from " + ledger_.path() + ": " + failure.what());
      }) {
    ledger_.setFailureReport([this](const std::string& message) { tell(message); });
}

void LedgerKeeper::load() {
    calls_.run<std::shared_ptr<Ledger>>(
        [fresh = std::make_shared<Ledger>(ledger_.path())] {
            fresh->load();
            return fresh;
        },
        [this](std::shared_ptr<Ledger> fresh) { take(std::move(*fresh)); });
}

void LedgerKeeper::take(Ledger&& loaded) {
    loaded.setFailureReport([this](const std::string& message) { tell(message); });
    ledger_ = std::move(loaded);
    loaded_ = true;
    // What this window recorded while the file was being read.
    refresh();
    announce();
}

void LedgerKeeper::record(std::string_view target, std::string_view link) {
    if (ledger_.record(target, link)) {
        announce();
    }
}

void LedgerKeeper::recordDownloaded(std::string_view target, std::string_view link) {
    if (ledger_.recordDownloaded(target, link)) {
        announce();
    }
}

void LedgerKeeper::refresh() {
    if (!loaded_) {
        return;
    }
    try {
        if (ledger_.refresh()) {
            announce();
        }
    } catch (const platform::IoError& failure) {
        tell("Cannot read sent links from " + ledger_.path() + ": " + failure.what());
    }
}

void LedgerKeeper::tell(const std::string& message) {
    calls_.yield([this, message] { report_(message); });
}

void LedgerKeeper::announce() {
    if (announcing_ || !changed_) {
        return;
    }
    announcing_ = true;
    calls_.yield([this] {
        announcing_ = false;
        changed_();
    });
}

} // namespace harvex2::core
