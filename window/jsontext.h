// jsontext.h: texts and objects written as JSON, for what crosses from C++ to the build's scripts
// and the browser tests.
//
// The window's description (describe.cpp), the page's markup (web/markup.cpp) and the stand-in's
// replies to the browser tests are JSON; all are written here.
#pragma once

#include "windowobjects.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace pebblix {

// Appends `text` (UTF-8) to `out` as a JSON string, quotes included: the quote and the backslash
// escaped, control characters (CR LF among them) as \u00XX, everything else as it is.
inline void AppendJsonText(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            out += "\\u00";
            out += "0123456789abcdef"[c >> 4];
            out += "0123456789abcdef"[c & 15];
        } else {
            out += c;
        }
    }
    out += '"';
}

// A JSON object built one member at a time, in the order given.
class JsonObject {
public:
    JsonObject& Text(std::string_view key, std::string_view value) {
        Key(key);
        AppendJsonText(text_, value);
        return *this;
    }
    JsonObject& Number(std::string_view key, int value) {
        Key(key);
        text_ += DecimalText(value);
        return *this;
    }
    JsonObject& Flag(std::string_view key, bool value) {
        Key(key);
        text_ += value ? "true" : "false";
        return *this;
    }
    // A member whose value is JSON already: an object, a list, or null.
    JsonObject& Raw(std::string_view key, std::string_view json) {
        Key(key);
        text_ += json;
        return *this;
    }
    // The finished object.
    std::string Close() const { return text_ + '}'; }

private:
    void Key(std::string_view key) {
        text_ += text_.size() > 1 ? ",\"" : "\"";
        text_ += key;
        text_ += "\":";
    }
    std::string text_ = "{";
};

// A JSON list of the items, each written by `write(out, item)`.
template <typename Items, typename Write> std::string JsonList(const Items& items, Write write) {
    std::string out = "[";
    for (const auto& item : items) {
        out += out.size() > 1 ? "," : "";
        write(out, item);
    }
    return out + ']';
}

// Writes a finished document and a line break to the standard output, for a tool run at build
// time: 0, or 1 where the writing failed.
inline int PrintJson(const std::string& document) {
    std::fwrite(document.data(), 1, document.size(), stdout);
    std::fputc('\n', stdout);
    return std::ferror(stdout) ? 1 : 0;
}

} // namespace pebblix
