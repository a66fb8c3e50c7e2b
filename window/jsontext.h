// jsontext.h: a text written as a JSON string, for what crosses from C++ to JavaScript.
//
// The page's records of its controls (web/) and the stand-in's replies to the browser tests are
// JSON; both quote their texts here.
#pragma once

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

} // namespace pebblix
