// Just enough JSON for qbxtool's output: objects with keys in insertion order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qbx {

std::string JsonString(const std::string& utf8);

class JsonObject {
public:
    JsonObject& Add(const std::string& key, const std::string& utf8);
    JsonObject& Add(const std::string& key, const char* utf8) { return Add(key, std::string(utf8)); }
    JsonObject& Add(const std::string& key, int64_t value);
    JsonObject& Add(const std::string& key, int32_t value) { return Add(key, int64_t{value}); }
    JsonObject& Add(const std::string& key, uint32_t value) { return Add(key, int64_t{value}); }
    JsonObject& Add(const std::string& key, bool value);
    // `json` is written as it stands (an array, a nested object, null).
    JsonObject& AddRaw(const std::string& key, const std::string& json);
    std::string Text() const { return "{" + body_ + "}"; }

private:
    void Key(const std::string& key);
    std::string body_;
};

// "[\n" + one element per line + "\n]"
std::string JsonArray(const std::vector<std::string>& elements);
// "[1,2,3]" on one line
std::string JsonIntArray(const std::vector<int64_t>& values);

}  // namespace qbx
