// Setting text for a terminal of a given width: wrapped lines, lists in
// columns, and an HTML page as plain text.
#pragma once

#include <string>
#include <vector>

namespace orrimar {

// `line` wrapped at blanks to `width` columns, a word longer than a line
// cut; lines after the first start with `indent` blanks.
std::vector<std::string> WrapLine(const std::string& line, size_t width, size_t indent = 0);

// Text of several lines for a terminal `width` columns wide: each line
// longer than that wrapped at blanks, its later lines under its own indent;
// lines that fit are kept exactly, line ends as they are.
std::string WrappedText(const std::string& text, size_t width);

// A numbered entry as lists print it: the mark ("*" for the current entry,
// else a blank), the number right-aligned to `digits`, a blank, the text.
std::string NumberedEntry(bool marked, size_t number, size_t digits, const std::string& text);

// Entries set in as many columns as fit `width`, read down each column;
// in one column, an entry too long for a line wraps under its text
// (after `indent` columns).
std::vector<std::string> InColumns(const std::vector<std::string>& entries, size_t width,
                                   size_t indent = 0);

// Blocks of lines (tables, say) side by side as far as `width` allows,
// each as wide as its longest line; rows of blocks one empty line apart.
std::vector<std::string> SideBySide(const std::vector<std::vector<std::string>>& blocks,
                                    size_t width);

// Lines without their CR, trailing blanks and runs of empty lines: one
// empty line at most between texts, none at either end.
std::vector<std::string> WithoutBlankRuns(const std::vector<std::string>& lines);

// An HTML page (Latin-1) as plain text lines of at most `width` columns:
// the head left out, tags dropped, entities decoded, blanks collapsed as a
// browser does; headings and paragraphs on lines of their own; a table of
// short cells in aligned columns, a table of a heading row over a value
// row as "heading: value" lines, any other table a line per cell.
std::vector<std::string> PageText(const std::string& html, size_t width);

}  // namespace orrimar
