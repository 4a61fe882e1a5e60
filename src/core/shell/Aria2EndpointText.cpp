#include "core/shell/Aria2EndpointText.h"

#include <sstream>
#include <string_view>

namespace harvex2::core {

namespace {

constexpr char kEscape = '\\';

std::string escaped(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (const char c : value) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string unescaped(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != kEscape || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const char next = value[++i];
        out += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return out;
}

void addField(std::string& line, std::string_view key, std::string_view value) {
    if (!line.empty()) {
        line += '\t';
    }
    line.append(key);
    line += '=';
    line += escaped(value);
}

void assignField(Aria2Endpoint& endpoint, std::string key, std::string value) {
    if (key == "name") {
        endpoint.name = std::move(value);
    } else if (key == "url") {
        endpoint.url = std::move(value);
    } else if (key == "secret") {
        endpoint.secret = std::move(value);
    } else if (key == "folder") {
        endpoint.folder = std::move(value);
    } else if (key == "cafile") {
        endpoint.caFile = std::move(value);
    } else if (key == "plain") {
        endpoint.plainToken = value == "1";
    } else {
        endpoint.unknownFields.emplace_back(std::move(key), std::move(value));
    }
}

Aria2Endpoint endpointOf(std::string_view line) {
    Aria2Endpoint endpoint;
    while (!line.empty()) {
        const std::size_t end = std::min(line.find('\t'), line.size());
        const std::string_view field = line.substr(0, end);
        line.remove_prefix(std::min(end + 1, line.size()));
        const std::size_t equals = field.find('=');
        if (equals != std::string_view::npos) {
            assignField(endpoint, std::string(field.substr(0, equals)),
                        unescaped(field.substr(equals + 1)));
        }
    }
    return endpoint;
}

} // namespace

std::string Aria2EndpointText::encode(const std::vector<Aria2Endpoint>& endpoints) {
    std::string text;
    for (const Aria2Endpoint& endpoint : endpoints) {
        std::string line;
        addField(line, "name", endpoint.name);
        addField(line, "url", endpoint.url);
        addField(line, "secret", endpoint.secret);
        addField(line, "folder", endpoint.folder);
        addField(line, "cafile", endpoint.caFile);
        addField(line, "plain", endpoint.plainToken ? "1" : "0");
        for (const auto& [key, value] : endpoint.unknownFields) {
            addField(line, key, value);
        }
        text += line;
        text += '\n';
    }
    return text;
}

std::vector<Aria2Endpoint> Aria2EndpointText::decode(const std::string& text) {
    std::vector<Aria2Endpoint> endpoints;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        Aria2Endpoint endpoint = endpointOf(line);
        if (!endpoint.name.empty()) {
            endpoints.push_back(std::move(endpoint));
        }
    }
    return endpoints;
}

} // namespace harvex2::core
