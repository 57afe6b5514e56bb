#include "text/Encoding.h"

#include <cstdint>

namespace orrimar {

namespace {

// The length of the UTF-8 sequence starting at `i` and its code point, or
// 0 when the bytes there are not well-formed UTF-8 (overlong forms,
// surrogates and code points past U+10FFFF included).
size_t DecodeAt(std::string_view text, size_t i, char32_t& code) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    size_t length = 0;
    char32_t min = 0;
    if (lead < 0x80) {
        code = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, code = lead & 0x1F, min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, code = lead & 0x0F, min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, code = lead & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (i + length > text.size()) return 0;
    for (size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

}  // namespace

std::string Latin1ToUtf8(std::string_view latin1) {
    std::string out;
    out.reserve(latin1.size());
    for (const char c : latin1) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (b >> 6));
            out += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return out;
}

std::string Utf8ToLatin1(std::string_view utf8, std::string* outside) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        char32_t code = 0;
        const size_t length = DecodeAt(utf8, i, code);
        if (length == 0) {  // not UTF-8 here: the byte is kept as it is
            out += utf8[i++];
            continue;
        }
        if (code <= 0xFF) {
            out += static_cast<char>(code);
        } else {
            out += '?';
            const std::string_view character = utf8.substr(i, length);
            if (outside && outside->find(character) == std::string::npos) *outside += character;
        }
        i += length;
    }
    return out;
}

bool IsUtf8(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        char32_t code = 0;
        const size_t length = DecodeAt(text, i, code);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

bool HasNonAscii(std::string_view text) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return true;
    return false;
}

std::string Latin1ToAscii(std::string_view latin1) {
    // The base letters of Latin-1's letters from U+00C0 on; "?" for the
    // signs and symbols, which have none.
    static constexpr std::string_view Base =
        "AAAAAAACEEEEIIII"   // C0..CF
        "DNOOOOO?OUUUUYTs"   // D0..DF
        "aaaaaaaceeeeiiii"   // E0..EF
        "dnooooo?ouuuuyty";  // F0..FF
    std::string out;
    out.reserve(latin1.size());
    for (const char c : latin1) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out += c;
        } else if (b == 0xC6 || b == 0xE6) {
            out += b == 0xC6 ? "AE" : "ae";
        } else if (b == 0xDF) {
            out += "ss";
        } else {
            out += b >= 0xC0 ? Base[b - 0xC0] : '?';
        }
    }
    return out;
}

std::string VisibleText(std::string_view latin1, bool keepLineEnds) {
    std::string out;
    out.reserve(latin1.size());
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (keepLineEnds && (c == '\n' || c == '\t')) {
            out += c;
        } else if (byte < 0x20) {
            out += '^';
            out += static_cast<char>(byte + 0x40);
        } else if (byte == 0x7F) {
            out += "^?";
        } else if (byte >= 0x80 && byte < 0xA0) {
            // A C1 control is ESC and a letter in one byte.
            out += "^[";
            out += static_cast<char>(byte - 0x40);
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace orrimar
