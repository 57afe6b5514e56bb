// A page built line by line straight into its text, each line ended by
// CR LF as the page is written. Each line is put together from pieces
// added in place, so a page of a hundred lines makes no text for each of
// them.
#pragma once

#include <charconv>
#include <string>
#include <string_view>

#include "output/ResumeText.h"
#include "text/Text.h"

namespace orrimar {

// A piece HTML-escaped as it is added.
struct Escaped {
    std::string_view Text;
};

class PageText {
  public:
    explicit PageText(std::string& text) : text_(&text) {}

    template <class... Pieces>
    void Line(const Pieces&... pieces) {
        (Append(*text_, pieces), ...);
        *text_ += CrLf;
    }

  private:
    static void Append(std::string& out, std::string_view piece) { out += piece; }
    static void Append(std::string& out, const Escaped& piece) {
        AppendHtmlEscaped(out, piece.Text);
    }
    // A whole number in decimal, as std::to_string writes it.
    static void Append(std::string& out, int number) {
        char digits[16];
        const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
        out.append(digits, end);
    }

    std::string* text_;
};

}  // namespace orrimar
