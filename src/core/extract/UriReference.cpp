#include "core/extract/UriReference.h"

#include "core/extract/HtmlBytes.h"

namespace harvex2::core {

namespace {

bool isSchemeCharacter(char c) {
    return html::isAsciiLetter(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

// Cuts `text` at the first of `stops`, returning the part before it.
std::string_view cut(std::string_view& text, std::string_view stops) {
    const std::size_t at = std::min(text.find_first_of(stops), text.size());
    const std::string_view before = text.substr(0, at);
    text.remove_prefix(at);
    return before;
}

} // namespace

std::size_t UriReference::schemeLength(std::string_view text) {
    if (text.empty() || !html::isAsciiLetter(text.front())) {
        return 0;
    }
    std::size_t i = 1;
    while (i < text.size() && isSchemeCharacter(text[i])) {
        ++i;
    }
    return i < text.size() && text[i] == ':' ? i : 0;
}

UriReference::Parts UriReference::split(std::string_view text) {
    Parts parts;
    if (const std::size_t scheme = schemeLength(text)) {
        parts.scheme = text.substr(0, scheme);
        text.remove_prefix(scheme + 1);
    }
    if (text.starts_with("//")) {
        text.remove_prefix(2);
        parts.authority = cut(text, "/?#");
    }
    parts.path = cut(text, "?#");
    if (text.starts_with('?')) {
        text.remove_prefix(1);
        parts.query = cut(text, "#");
    }
    if (text.starts_with('#')) {
        parts.fragment = text.substr(1);
    }
    return parts;
}

std::string UriReference::resolve(std::string_view base, std::string_view reference) {
    const Parts r = split(html::trimSpaces(reference));
    if (r.scheme) {
        return compose(r, removeDotSegments(r.path));
    }
    Parts t = split(base);
    t.fragment = r.fragment;
    if (r.authority) {
        t.authority = r.authority;
        t.query = r.query;
        return compose(t, removeDotSegments(r.path));
    }
    if (r.path.empty()) {
        if (r.query) {
            t.query = r.query;
        }
        return compose(t, t.path);
    }
    t.query = r.query;
    return compose(
        t, removeDotSegments(r.path.front() == '/' ? std::string(r.path) : merge(t, r.path)));
}

std::string UriReference::merge(const Parts& base, std::string_view path) {
    if (base.authority && base.path.empty()) {
        return "/" + std::string(path);
    }
    const std::size_t slash = base.path.rfind('/');
    std::string merged(slash == std::string_view::npos ? std::string_view()
                                                       : base.path.substr(0, slash + 1));
    return merged.append(path);
}

// Section 5.2.4: "." and ".." segments go, each ".." with the segment before it.
std::string UriReference::removeDotSegments(std::string_view input) {
    std::string output;
    const auto dropLastSegment = [&output] {
        const std::size_t last = output.rfind('/');
        output.resize(last == std::string::npos ? 0 : last);
    };
    while (!input.empty()) {
        if (input.starts_with("../")) {
            input.remove_prefix(3);
        } else if (input.starts_with("./") || input.starts_with("/./")) {
            input.remove_prefix(2);
        } else if (input == "/.") {
            input = "/";
        } else if (input.starts_with("/../")) {
            input.remove_prefix(3);
            dropLastSegment();
        } else if (input == "/..") {
            input = "/";
            dropLastSegment();
        } else if (input == "." || input == "..") {
            input = {};
        } else {
            const std::string_view segment = input.substr(0, input.find('/', 1));
            output.append(segment);
            input.remove_prefix(segment.size());
        }
    }
    return output;
}

std::string UriReference::compose(const Parts& parts, std::string_view path) {
    std::string text;
    if (parts.scheme) {
        text.append(*parts.scheme).push_back(':');
    }
    if (parts.authority) {
        text.append("//").append(*parts.authority);
    }
    text.append(path);
    if (parts.query) {
        text.append("?").append(*parts.query);
    }
    if (parts.fragment) {
        text.append("#").append(*parts.fragment);
    }
    return text;
}

} // namespace harvex2::core
