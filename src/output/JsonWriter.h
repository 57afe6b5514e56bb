// JSON written straight onto the end of a string while the caller walks
// its values, in the three layouts the program writes: indented by two for
// reading, on one line, and on one line in ASCII (a Latin-1 page). The
// bytes are those nlohmann's dump gives for the same document, so a
// document built one way or the other reads and compares the same.
#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace orrimar {

class JsonWriter {
  public:
    enum class Layout { Indented, Line, AsciiLine };

    JsonWriter(std::string& out, Layout layout);

    // A member's key (ASCII); its value follows.
    JsonWriter& Key(std::string_view key);

    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();

    void Int(long long value);
    void Unsigned(unsigned long long value);
    void Bool(bool value);
    void Null();
    // A text held as Latin-1, written as UTF-8 (or escaped, in ASCII).
    void Latin1(std::string_view text);
    // A text already in UTF-8, such as a caption.
    void Utf8(std::string_view text);
    // A value already built, written by nlohmann at this depth.
    void Value(const nlohmann::ordered_json& value);
    // A value's text already written in this layout at this depth.
    void Written(std::string_view text);

  private:
    void Separate();
    void Begin(char bracket);
    void End(char bracket);

    std::string& out_;
    Layout layout_;
    unsigned depth_ = 0;
    bool first_ = true;  // nothing written yet in the open object or array
    bool afterKey_ = false;
};

}  // namespace orrimar
