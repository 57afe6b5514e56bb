// The terminal's character set. The program's texts are Latin-1; what is
// printed is converted to the terminal's encoding, what is typed back to
// Latin-1.
#pragma once

#include <iosfwd>
#include <optional>
#include <streambuf>
#include <string>

namespace orrimar {

enum class Charset { Latin1, Utf8, Ascii };

// The character set of the user's locale (LC_ALL, LC_CTYPE, LANG): UTF-8,
// Latin-1, or plain ASCII for the C locale and anything else.
Charset LocaleCharset();

// The character set typed answers are read in; Latin-1 (bytes as they
// are) until the terminal program sets it.
Charset TerminalCharset();
void SetTerminalCharset(Charset charset);

// Text from the program (Latin-1) as the terminal shows it, and a typed
// answer back as Latin-1; characters Latin-1 lacks are listed in `refused`.
std::string ToTerminal(const std::string& latin1, Charset charset);
std::string FromTerminal(const std::string& typed, Charset charset, std::string& refused);

// The terminal's size: COLUMNS (LINES) when set to a number, else what
// standard output reports when it is a terminal, else 80 columns (24 lines).
int TerminalColumns();
int TerminalLines();
// Whether a person sits at the terminal: standard input and output are both
// one. Only then may long output wait for a key.
bool InteractiveTerminal();

// One typed line in Latin-1, without its line end. A line holding
// characters Latin-1 lacks is refused with a message on `out` and read
// again. Nothing at the end of input.
std::optional<std::string> ReadTerminalLine(std::istream& in, std::ostream& out);

// Writes the program's Latin-1 text to `target` in `charset`, control
// characters other than line ends and tabs shown (VisibleText); installed
// on standard output and error by the terminal program.
class TerminalBuffer : public std::streambuf {
  public:
    TerminalBuffer(std::streambuf* target, Charset charset) : target_(target), charset_(charset) {}
    // Bytes passed through unconverted: text already in the terminal's
    // encoding, a beep, a JSON stream.
    void WriteRaw(const std::string& text);
    std::streambuf* Target() const { return target_; }

  protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override;

  private:
    std::streambuf* target_;
    Charset charset_;
};

}  // namespace orrimar
