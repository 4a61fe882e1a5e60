// Reads each named file with the full link reader and with an HTML5 parser (gumbo) and
// reports the files where the two find different `href` values (compared as multisets,
// mapped as the fuzz target maps them). Files that are not UTF-8 are counted and skipped.
// usage: harvex2_compare_gumbo [-0 LIST]... [FILE]...   (-0: a file of NUL-separated names)
#include "GumboHrefs.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> namesIn(const std::string& list) {
    std::vector<std::string> names;
    const std::string text = contents(list);
    for (std::size_t start = 0, end; start < text.size(); start = end + 1) {
        end = text.find('\0', start);
        end = end == std::string::npos ? text.size() : end;
        if (end > start) {
            names.push_back(text.substr(start, end - start));
        }
    }
    return names;
}

} // namespace

int main(int argc, char** argv) {
    using namespace harvex2::fuzz;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-0") == 0 && i + 1 < argc) {
            const std::vector<std::string> listed = namesIn(argv[++i]);
            files.insert(files.end(), listed.begin(), listed.end());
        } else {
            files.emplace_back(argv[i]);
        }
    }
    int same = 0;
    int differ = 0;
    int skipped = 0;
    for (const std::string& path : files) {
        const std::string html = contents(path);
        if (!isUtf8(html)) {
            ++skipped;
            continue;
        }
        const std::vector<std::string> reader = comparable(readerHrefs(html, SIZE_MAX));
        const std::vector<std::string> parser = comparable(gumboHrefs(html));
        if (reader == parser) {
            ++same;
            continue;
        }
        ++differ;
        const char* kept = keptDifference(html, reader, parser);
        std::printf("%s: reader %zu, parser %zu%s%s\n", path.c_str(), reader.size(), parser.size(),
                    kept ? "; kept: " : "", kept ? kept : "");
    }
    std::printf("%d files agree, %d differ, %d not UTF-8\n", same, differ, skipped);
    return differ == 0 ? 0 : 1;
}
