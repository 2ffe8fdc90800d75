// A small streaming JSON writer: objects, arrays, strings (UTF-8, escaped),
// numbers (shortest round-trip form; NaN and infinities written as null).
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace drawhost {

class JsonWriter {
public:
    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    void Key(std::string_view key);           // inside an object, before a value
    void String(std::string_view value);
    void Number(double value);
    void Int(long long value);
    void Bool(bool value);
    void Null();

    // Shorthands for a key followed by a value.
    void Field(std::string_view key, std::string_view value) { Key(key); String(value); }
    void Field(std::string_view key, const char* value) { Key(key); String(value ? value : ""); }
    void Field(std::string_view key, double value) { Key(key); Number(value); }
    void Field(std::string_view key, int value) { Key(key); Int(value); }
    void Field(std::string_view key, long long value) { Key(key); Int(value); }
    void Field(std::string_view key, bool value) { Key(key); Bool(value); }

    const std::string& Text() const { return out_; }

private:
    void BeforeValue();
    void Indent();
    std::string out_;
    std::vector<bool> first_;   // one per open container: no element written yet
    bool afterKey_ = false;
};

std::string JsonEscape(std::string_view text);

}  // namespace drawhost
