#include "Json.h"

#include <cstdio>

namespace qbx {

std::string JsonString(const std::string& utf8) {
    std::string out = "\"";
    for (unsigned char c : utf8) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}

void JsonObject::Key(const std::string& key) {
    if (!body_.empty()) body_ += ",";
    body_ += JsonString(key) + ":";
}

JsonObject& JsonObject::Add(const std::string& key, const std::string& utf8) {
    Key(key);
    body_ += JsonString(utf8);
    return *this;
}

JsonObject& JsonObject::Add(const std::string& key, int64_t value) {
    Key(key);
    body_ += std::to_string(value);
    return *this;
}

JsonObject& JsonObject::Add(const std::string& key, bool value) {
    Key(key);
    body_ += value ? "true" : "false";
    return *this;
}

JsonObject& JsonObject::AddRaw(const std::string& key, const std::string& json) {
    Key(key);
    body_ += json;
    return *this;
}

std::string JsonArray(const std::vector<std::string>& elements) {
    if (elements.empty()) return "[]";
    std::string out = "[\n";
    for (size_t i = 0; i < elements.size(); ++i) out += elements[i] + (i + 1 < elements.size() ? ",\n" : "\n");
    return out + "]";
}

std::string JsonIntArray(const std::vector<int64_t>& values) {
    std::string out = "[";
    for (size_t i = 0; i < values.size(); ++i) {
        if (i) out += ',';
        out += std::to_string(values[i]);
    }
    return out + "]";
}

}  // namespace qbx
