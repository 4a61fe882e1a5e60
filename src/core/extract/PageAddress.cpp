#include "core/extract/PageAddress.h"

#include "core/extract/HtmlBytes.h"
#include "core/extract/UriReference.h"

#include <algorithm>
#include <charconv>

namespace harvex2::core {

namespace {

constexpr std::string_view kSavedFrom = "saved from url=(";

bool equalsIgnoringCase(std::string_view a, std::string_view lower) {
    return a.size() == lower.size() &&
           std::equal(a.begin(), a.end(), lower.begin(),
                      [](char x, char y) { return html::toLower(x) == y; });
}

// Whether the space-separated list of link types holds `wanted`.
bool hasToken(std::string_view list, std::string_view wanted) {
    while (!(list = html::trimSpaces(list)).empty()) {
        const auto space = std::find_if(list.begin(), list.end(), html::isSpace);
        if (equalsIgnoringCase(list.substr(0, static_cast<std::size_t>(space - list.begin())),
                               wanted)) {
            return true;
        }
        list.remove_prefix(static_cast<std::size_t>(space - list.begin()));
    }
    return false;
}

} // namespace

void PageAddress::reset() {
    savedFrom_.clear();
    base_.clear();
    baseSeen_ = false;
    canonical_.clear();
}

// The number in brackets is the address's length; the address ends there or at the first
// blank, whichever comes first.
void PageAddress::comment(std::string_view text) {
    text = html::trimSpaces(text);
    if (!savedFrom_.empty() || !text.starts_with(kSavedFrom)) {
        return;
    }
    text.remove_prefix(kSavedFrom.size());
    const std::size_t close = text.find(')');
    std::size_t length = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), length);
    if (close == std::string_view::npos || error != std::errc() || end != text.data() + close) {
        return;
    }
    std::string_view address = text.substr(close + 1);
    address = address.substr(
        0, std::min(length, static_cast<std::size_t>(
                                std::find_if(address.begin(), address.end(), html::isSpace) -
                                address.begin())));
    if (isUsable(address)) {
        savedFrom_ = address;
    }
}

void PageAddress::base(std::string_view href) {
    if (baseSeen_) {
        return;
    }
    baseSeen_ = true;
    href = html::trimSpaces(href);
    if (isUsable(href)) {
        base_ = href;
        return;
    }
    const std::string& before = !savedFrom_.empty() ? savedFrom_ : canonical_;
    if (!before.empty()) {
        base_ = UriReference::resolve(before, href);
    }
}

void PageAddress::link(std::string_view rel, std::string_view href) {
    href = html::trimSpaces(href);
    if (canonical_.empty() && hasToken(rel, "canonical") && isUsable(href)) {
        canonical_ = href;
    }
}

std::string PageAddress::address() const {
    for (const std::string* candidate : {&savedFrom_, &base_, &canonical_}) {
        if (!candidate->empty()) {
            return *candidate;
        }
    }
    return {};
}

bool PageAddress::isUsable(std::string_view address) {
    const std::size_t scheme = UriReference::schemeLength(address);
    return scheme > 0 && address.substr(scheme).starts_with("://");
}

} // namespace harvex2::core
