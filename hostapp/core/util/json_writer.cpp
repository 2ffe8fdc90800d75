#include "util/json_writer.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "util/utf8.h"

namespace drawhost {

// Bytes that are not UTF-8 (a plug-in's text) become U+FFFD: JSON is UTF-8.
std::string JsonEscape(std::string_view raw) {
    std::string text = Utf8Repaired(std::string(raw));
    std::string out;
    out.reserve(text.size() + 2);
    for (unsigned char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
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
    return out;
}

void JsonWriter::Indent() {
    out_ += '\n';
    out_.append(2 * first_.size(), ' ');
}

void JsonWriter::BeforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!first_.empty()) {
        if (!first_.back()) out_ += ',';
        first_.back() = false;
        Indent();
    }
}

void JsonWriter::BeginObject() { BeforeValue(); out_ += '{'; first_.push_back(true); }
void JsonWriter::BeginArray() { BeforeValue(); out_ += '['; first_.push_back(true); }

void JsonWriter::EndObject() {
    bool empty = first_.back();
    first_.pop_back();
    if (!empty) Indent();
    out_ += '}';
}

void JsonWriter::EndArray() {
    bool empty = first_.back();
    first_.pop_back();
    if (!empty) Indent();
    out_ += ']';
}

void JsonWriter::Key(std::string_view key) {
    BeforeValue();
    out_ += '"';
    out_ += JsonEscape(key);
    out_ += "\": ";
    afterKey_ = true;
}

void JsonWriter::String(std::string_view value) {
    BeforeValue();
    out_ += '"';
    out_ += JsonEscape(value);
    out_ += '"';
}

void JsonWriter::Number(double value) {
    BeforeValue();
    if (!std::isfinite(value)) {
        out_ += "null";
        return;
    }
    char buf[32];
    auto res = std::to_chars(buf, buf + sizeof buf, value);
    out_.append(buf, res.ptr);
}

void JsonWriter::Int(long long value) {
    BeforeValue();
    out_ += std::to_string(value);
}

void JsonWriter::Bool(bool value) { BeforeValue(); out_ += value ? "true" : "false"; }
void JsonWriter::Null() { BeforeValue(); out_ += "null"; }

}  // namespace drawhost
