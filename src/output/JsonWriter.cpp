#include "output/JsonWriter.h"

#include <charconv>

namespace orrimar {

namespace {

constexpr unsigned IndentStep = 2;

void AppendHex4(std::string& out, unsigned code) {
    static constexpr char Digits[] = "0123456789abcdef";
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) out += Digits[(code >> shift) & 0xF];
}

// The escapes nlohmann writes: the short ones, other controls as \u00xx,
// and in ASCII everything from DEL up as \uxxxx.
bool AppendEscape(std::string& out, unsigned code, bool ascii) {
    switch (code) {
        case '\b':
            out += "\\b";
            return true;
        case '\t':
            out += "\\t";
            return true;
        case '\n':
            out += "\\n";
            return true;
        case '\f':
            out += "\\f";
            return true;
        case '\r':
            out += "\\r";
            return true;
        case '"':
            out += "\\\"";
            return true;
        case '\\':
            out += "\\\\";
            return true;
        default:
            break;
    }
    if (code <= 0x1F || (ascii && code >= 0x7F)) {
        AppendHex4(out, code);
        return true;
    }
    return false;
}

// A byte written as it stands in every layout.
bool IsPlain(unsigned char b) {
    return b >= 0x20 && b < 0x7F && b != '"' && b != '\\';
}

}  // namespace

JsonWriter::JsonWriter(std::string& out, Layout layout) : out_(out), layout_(layout) {}

void JsonWriter::Separate() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (depth_ == 0) return;
    if (!first_) out_ += ',';
    first_ = false;
    if (layout_ == Layout::Indented) {
        out_ += '\n';
        out_.append(depth_ * IndentStep, ' ');
    }
}

JsonWriter& JsonWriter::Key(std::string_view key) {
    Separate();
    out_ += '"';
    out_ += key;
    out_ += layout_ == Layout::Indented ? "\": " : "\":";
    afterKey_ = true;
    return *this;
}

void JsonWriter::Begin(char bracket) {
    Separate();
    out_ += bracket;
    ++depth_;
    first_ = true;
}

void JsonWriter::End(char bracket) {
    --depth_;
    if (!first_ && layout_ == Layout::Indented) {
        out_ += '\n';
        out_.append(depth_ * IndentStep, ' ');
    }
    out_ += bracket;
    first_ = false;  // the object or array just closed is its parent's member
}

void JsonWriter::BeginObject() {
    Begin('{');
}
void JsonWriter::EndObject() {
    End('}');
}
void JsonWriter::BeginArray() {
    Begin('[');
}
void JsonWriter::EndArray() {
    End(']');
}

void JsonWriter::Int(long long value) {
    Separate();
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out_.append(digits, end);
}

void JsonWriter::Unsigned(unsigned long long value) {
    Separate();
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out_.append(digits, end);
}

void JsonWriter::Bool(bool value) {
    Separate();
    out_ += value ? "true" : "false";
}

void JsonWriter::Null() {
    Separate();
    out_ += "null";
}

void JsonWriter::Latin1(std::string_view text) {
    Separate();
    const bool ascii = layout_ == Layout::AsciiLine;
    out_ += '"';
    for (size_t at = 0; at < text.size();) {
        // Most of a text is printable ASCII, copied as it stands.
        size_t plain = at;
        while (plain < text.size() && IsPlain(static_cast<unsigned char>(text[plain]))) ++plain;
        out_.append(text, at, plain - at);
        if (plain == text.size()) break;
        const auto b = static_cast<unsigned char>(text[plain]);
        if (AppendEscape(out_, b, ascii)) {
            // written escaped
        } else if (b < 0x80) {
            out_ += static_cast<char>(b);  // DEL, in a UTF-8 layout
        } else {
            out_ += static_cast<char>(0xC0 | (b >> 6));
            out_ += static_cast<char>(0x80 | (b & 0x3F));
        }
        at = plain + 1;
    }
    out_ += '"';
}

void JsonWriter::Utf8(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            // Rare: nlohmann decodes it (and refuses what is not UTF-8).
            Value(std::string(text));
            return;
        }
    }
    Latin1(text);
}

void JsonWriter::Value(const nlohmann::ordered_json& value) {
    Separate();
    nlohmann::detail::serializer<nlohmann::ordered_json> writer(
        nlohmann::detail::output_adapter<char, std::string>(out_), ' ');
    const bool indented = layout_ == Layout::Indented;
    writer.dump(value, indented, layout_ == Layout::AsciiLine, indented ? IndentStep : 0,
                indented ? depth_ * IndentStep : 0);
}

void JsonWriter::Written(std::string_view text) {
    Separate();
    out_ += text;
}

}  // namespace orrimar
