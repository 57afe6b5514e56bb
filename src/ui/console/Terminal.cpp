#include "ui/console/Terminal.h"

#include <langinfo.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <clocale>
#include <cstdlib>
#include <istream>
#include <ostream>

#include "text/Encoding.h"
#include "text/Text.h"
#include "ui/console/TextLayout.h"

namespace orrimar {

namespace {
Charset typedCharset = Charset::Latin1;
}  // namespace

Charset LocaleCharset() {
    // Only the character type is taken from the environment: numbers and
    // the rest stay as the program writes them.
    std::setlocale(LC_CTYPE, "");
    const std::string codeset = UCase(nl_langinfo(CODESET));
    if (codeset == "UTF-8" || codeset == "UTF8") return Charset::Utf8;
    if (codeset == "ISO-8859-1" || codeset == "ISO8859-1" || codeset == "ISO-8859-15" ||
        codeset == "ISO8859-15")
        return Charset::Latin1;
    return Charset::Ascii;
}

namespace {
// A size from the environment, when it is a plausible number.
int SizeFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (!value || !*value) return 0;
    char* end = nullptr;
    const long n = std::strtol(value, &end, 10);
    return *end == '\0' && n >= 10 && n <= 10000 ? static_cast<int>(n) : 0;
}

winsize WindowSize() {
    winsize size{};
    if (::isatty(STDOUT_FILENO) == 0 || ::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) != 0) return {};
    return size;
}
}  // namespace

int TerminalColumns() {
    if (const int columns = SizeFromEnvironment("COLUMNS")) return columns;
    const winsize size = WindowSize();
    return size.ws_col >= 10 ? size.ws_col : 80;
}

int TerminalLines() {
    if (const int lines = SizeFromEnvironment("LINES")) return lines;
    const winsize size = WindowSize();
    return size.ws_row >= 10 ? size.ws_row : 24;
}

bool InteractiveTerminal() {
    return ::isatty(STDIN_FILENO) != 0 && ::isatty(STDOUT_FILENO) != 0;
}

Charset TerminalCharset() {
    return typedCharset;
}

void SetTerminalCharset(Charset charset) {
    typedCharset = charset;
}

std::string ToTerminal(const std::string& latin1, Charset charset) {
    switch (charset) {
        case Charset::Utf8:
            return Latin1ToUtf8(latin1);
        case Charset::Ascii:
            return Latin1ToAscii(latin1);
        case Charset::Latin1:
            break;
    }
    return latin1;
}

std::string FromTerminal(const std::string& typed, Charset charset, std::string& refused) {
    // A terminal said to be UTF-8 may still pass Latin-1 bytes (a pasted
    // file): bytes that are not UTF-8 are kept as they are.
    if (charset == Charset::Utf8 && IsUtf8(typed)) return Utf8ToLatin1(typed, &refused);
    return typed;
}

std::optional<std::string> ReadTerminalLine(std::istream& in, std::ostream& out) {
    while (true) {
        std::string line;
        if (!std::getline(in, line)) return std::nullopt;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::string refused;
        std::string latin1 = FromTerminal(line, TerminalCharset(), refused);
        if (refused.empty()) return latin1;
        // Written straight to the terminal's own buffer: the refused
        // characters are already in its encoding.
        out.flush();
        out << "These characters cannot be kept: ";
        out.flush();
        if (auto* buffer = dynamic_cast<TerminalBuffer*>(out.rdbuf()))
            buffer->WriteRaw(refused);
        else
            out << refused;
        out << "\n"
            << WrappedText(
                   "Orrimar keeps its texts in Western European letters (Latin-1). "
                   "Please type the answer again.",
                   static_cast<size_t>(TerminalColumns()))
            << "\n> " << std::flush;
    }
}

TerminalBuffer::int_type TerminalBuffer::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char one = traits_type::to_char_type(c);
    return xsputn(&one, 1) == 1 ? c : traits_type::eof();
}

std::streamsize TerminalBuffer::xsputn(const char* text, std::streamsize count) {
    // Whatever reaches the terminal, from a file or not, cannot steer it.
    const std::string converted =
        ToTerminal(VisibleText(std::string_view(text, static_cast<size_t>(count)), true), charset_);
    const auto size = static_cast<std::streamsize>(converted.size());
    return target_->sputn(converted.data(), size) == size ? count : 0;
}

int TerminalBuffer::sync() {
    return target_->pubsync();
}

void TerminalBuffer::WriteRaw(const std::string& text) {
    target_->sputn(text.data(), static_cast<std::streamsize>(text.size()));
}

}  // namespace orrimar
