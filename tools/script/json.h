// SPDX-License-Identifier: MIT
// A small streaming JSON writer with the number format the runner promises:
// integers as they are, doubles as the shortest text that reads back as the same
// double (null for NaN and infinities), strings as UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace hexbrawl {

class JsonWriter {
public:
    JsonWriter& beginobject();
    JsonWriter& endobject();
    JsonWriter& beginarray();
    JsonWriter& endarray();
    JsonWriter& key(std::string_view name);
    JsonWriter& value(std::string_view text);
    JsonWriter& value(const char* text) { return value(std::string_view(text)); }
    JsonWriter& value(std::int64_t number);
    JsonWriter& value(std::int32_t number) { return value(static_cast<std::int64_t>(number)); }
    JsonWriter& value(std::uint32_t number) { return value(static_cast<std::int64_t>(number)); }
    JsonWriter& value(std::uint64_t number);
    JsonWriter& value(double number);
    JsonWriter& value(bool flag);
    JsonWriter& null();

    const std::string& text() const { return out_; }

private:
    void separate();
    std::string out_;
    std::vector<bool> first_;  // per open container: nothing written yet
    bool afterkey_ = false;
};

// Appends `bytes` as a JSON string literal; invalid UTF-8 becomes U+FFFD.
void appendjsonstring(std::string& out, std::string_view bytes);

}  // namespace hexbrawl
