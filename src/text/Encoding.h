// Text encodings at the program's edges. Inside, every text is Latin-1
// bytes, as the data files are; terminals, editors and the desktop speak
// UTF-8 or plain ASCII.
#pragma once

#include <string>
#include <string_view>

namespace orrimar {

// Latin-1 bytes as UTF-8.
std::string Latin1ToUtf8(std::string_view latin1);
// UTF-8 as Latin-1. A character outside Latin-1 becomes "?" and is added,
// as UTF-8 and once, to `outside` when given.
std::string Utf8ToLatin1(std::string_view utf8, std::string* outside = nullptr);
// Whether the bytes are well-formed UTF-8 (plain ASCII is).
bool IsUtf8(std::string_view text);
bool HasNonAscii(std::string_view text);
// Latin-1 as plain ASCII: accented letters lose their accents ("Impérial"
// reads "Imperial"), other characters past ASCII become "?".
std::string Latin1ToAscii(std::string_view latin1);

// Latin-1 text safe to print on a terminal: control characters (C0, DEL
// and C1) shown in caret notation ("^[" for ESC, "^?" for DEL, "^[[" for
// the C1 CSI), so text read from a file cannot move the cursor, set the
// window title or fake a line. Line ends and tabs stay when
// `keepLineEnds`; a one-line field (a name) shows them too.
std::string VisibleText(std::string_view latin1, bool keepLineEnds);

}  // namespace orrimar
