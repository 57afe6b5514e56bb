#include "ui/console/TextLayout.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace orrimar {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

std::string TrimBlanks(const std::string& text) {
    size_t start = 0, end = text.size();
    while (start < end && IsBlank(text[start])) ++start;
    while (end > start && IsBlank(text[end - 1])) --end;
    return text.substr(start, end - start);
}

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The character an entity names ("amp", "#233", "#xE9"), or nothing.
std::string Entity(const std::string& name) {
    static const std::pair<const char*, unsigned> named[] = {
        {"amp", '&'},   {"lt", '<'},      {"gt", '>'},      {"quot", '"'},
        {"apos", '\''}, {"nbsp", ' '},    {"copy", 0xA9},   {"reg", 0xAE},
        {"deg", 0xB0},  {"middot", 0xB7}, {"eacute", 0xE9}, {"egrave", 0xE8},
        {"auml", 0xE4}, {"ouml", 0xF6},   {"uuml", 0xFC},   {"szlig", 0xDF}};
    long code = -1;
    if (name.size() > 1 && name[0] == '#') {
        const bool hex = name[1] == 'x' || name[1] == 'X';
        const std::string digits = name.substr(hex ? 2 : 1);
        const bool ok = !digits.empty() && digits.size() <= 7 &&
                        std::all_of(digits.begin(), digits.end(), [hex](char c) {
                            return hex ? std::isxdigit(static_cast<unsigned char>(c)) != 0
                                       : std::isdigit(static_cast<unsigned char>(c)) != 0;
                        });
        if (!ok) return "";
        code = std::strtol(digits.c_str(), nullptr, hex ? 16 : 10);
    } else {
        for (const auto& [entity, value] : named)
            if (name == entity) code = value;
    }
    if (code < 0) return "";
    // The program's texts are Latin-1: what lies beyond it is marked, not lost silently.
    if (code == 0 || code > 0xFF) return "?";
    if (code == 0xA0) return " ";
    return std::string(1, static_cast<char>(code));
}

// The page read as a browser reads it, into finished lines.
class PageReader {
  public:
    explicit PageReader(size_t width) : width_(std::max<size_t>(width, 10)) {}

    void Text(const std::string& text) {
        if (hidden_ > 0) return;
        std::string& into = cell_ ? cellText_ : paragraph_;
        for (char c : text) {
            if (IsBlank(c)) {
                if (!into.empty() && into.back() != ' ' && into.back() != '\n') into += ' ';
            } else {
                into += c;
            }
        }
    }

    void Tag(const std::string& name, bool closing) {
        if (name == "head" || name == "script" || name == "style" || name == "title") {
            hidden_ = std::max(0, hidden_ + (closing ? -1 : 1));
            return;
        }
        if (hidden_ > 0) return;
        if (tableDepth_ > 0) return TableTag(name, closing);
        if (name == "table") {
            if (closing) return;
            Break(true);
            tableDepth_ = 1;
            rows_.clear();
            return;
        }
        if (name == "br") return Break(false);
        static const char* blocks[] = {"p",  "div", "ul", "ol", "li", "hr", "body",       "html",
                                       "h1", "h2",  "h3", "h4", "h5", "h6", "blockquote", "pre"};
        for (const char* block : blocks) {
            if (name == block) {
                Break(name[0] == 'h' || name == "p");
                return;
            }
        }
    }

    std::vector<std::string> Finish() {
        if (tableDepth_ > 0) EndTable();
        Break(false);
        while (!lines_.empty() && lines_.back().empty()) lines_.pop_back();
        return lines_;
    }

  private:
    void Break(bool spaced) {
        const std::string text = TrimBlanks(paragraph_);
        paragraph_.clear();
        if (!text.empty()) Add(WrapLine(text, width_, 0));
        if (spaced) Space();
    }

    void Space() {
        if (!lines_.empty() && !lines_.back().empty()) lines_.emplace_back();
    }

    void Add(const std::vector<std::string>& lines) {
        lines_.insert(lines_.end(), lines.begin(), lines.end());
    }

    void TableTag(const std::string& name, bool closing) {
        if (name == "table") {
            // A table inside a cell adds to that cell's text.
            if (!closing) {
                ++tableDepth_;
            } else if (--tableDepth_ == 0) {
                EndTable();
            }
            return;
        }
        if (tableDepth_ > 1) {
            if (name == "td" || name == "th" || name == "br" || name == "tr") cellText_ += ' ';
            return;
        }
        if (name == "tr") {
            EndCell();
            if (!closing) rows_.emplace_back();
        } else if (name == "td" || name == "th") {
            EndCell();
            if (!closing) {
                if (rows_.empty()) rows_.emplace_back();
                cell_ = true;
            }
        } else if (name == "br" || name == "p" || name == "div" || name == "li") {
            if (cell_) cellText_ += '\n';
        }
    }

    void EndCell() {
        if (!cell_) return;
        cell_ = false;
        std::vector<std::string> parts;
        std::string part;
        for (char c : cellText_ + '\n') {
            if (c != '\n') {
                part += c;
                continue;
            }
            if (std::string t = TrimBlanks(part); !t.empty()) parts.push_back(t);
            part.clear();
        }
        cellText_.clear();
        if (rows_.empty()) rows_.emplace_back();
        rows_.back().push_back(parts);
    }

    void EndTable() {
        EndCell();
        tableDepth_ = 0;
        // Rows and cells with nothing to show are left out.
        std::vector<std::vector<std::vector<std::string>>> rows;
        for (auto& row : rows_) {
            if (std::any_of(row.begin(), row.end(), [](const auto& cell) { return !cell.empty(); }))
                rows.push_back(row);
        }
        rows_.clear();
        if (rows.empty()) return;

        size_t columns = 0;
        bool oneLine = true;
        for (const auto& row : rows) {
            columns = std::max(columns, row.size());
            for (const auto& cell : row) oneLine = oneLine && cell.size() <= 1;
        }
        std::vector<size_t> widths(columns, 0);
        for (const auto& row : rows)
            for (size_t c = 0; c < row.size(); ++c)
                if (!row[c].empty()) widths[c] = std::max(widths[c], row[c][0].size());
        size_t total = 0;
        for (size_t w : widths) total += w;
        total += 2 * (columns - 1);

        if (oneLine && columns > 1 && total <= width_) {
            // Names over values and the like: aligned columns.
            for (const auto& row : rows) {
                std::string line;
                for (size_t c = 0; c < row.size(); ++c) {
                    const std::string text = row[c].empty() ? "" : row[c][0];
                    line += text;
                    if (c + 1 < row.size()) line += std::string(widths[c] - text.size() + 2, ' ');
                }
                lines_.push_back(TrimBlanks(line));
            }
        } else if (rows.size() == 2 && rows[0].size() == rows[1].size() &&
                   std::all_of(rows[0].begin(), rows[0].end(),
                               [](const auto& cell) { return cell.size() <= 1; })) {
            // A heading row over a value row: "heading: value".
            for (size_t c = 0; c < rows[0].size(); ++c) {
                const std::string heading = rows[0][c].empty() ? "" : rows[0][c][0];
                const auto& value = rows[1][c];
                std::string first = heading.empty() ? "" : heading + ":";
                if (!value.empty()) first += (first.empty() ? "" : " ") + value[0];
                if (!first.empty()) Add(WrapLine(first, width_, 2));
                for (size_t v = 1; v < value.size(); ++v) Add(WrapLine("  " + value[v], width_, 4));
            }
        } else {
            // Anything else: each cell's lines in turn.
            for (const auto& row : rows)
                for (const auto& cell : row)
                    for (const auto& text : cell) Add(WrapLine(text, width_, 2));
        }
        Space();
    }

    size_t width_;
    std::vector<std::string> lines_;
    std::string paragraph_;
    int hidden_ = 0;
    int tableDepth_ = 0;
    bool cell_ = false;
    std::string cellText_;
    std::vector<std::vector<std::vector<std::string>>> rows_;  // rows, cells, lines
};

}  // namespace

std::vector<std::string> WrapLine(const std::string& line, size_t width, size_t indent) {
    width = std::max<size_t>(width, 2);
    indent = std::min(indent, width / 2);
    std::vector<std::string> out;
    // Leading blanks are kept: they indent the line in the source.
    size_t lead = 0;
    while (lead < line.size() && line[lead] == ' ') ++lead;
    std::string current = line.substr(0, std::min(lead, width / 2));
    size_t at = lead;
    bool fresh = true;  // nothing but the indent on the current line yet
    const auto flush = [&] {
        while (!current.empty() && current.back() == ' ') current.pop_back();
        out.push_back(current);
        current = std::string(indent, ' ');
        fresh = true;
    };
    while (at < line.size()) {
        while (at < line.size() && line[at] == ' ') ++at;
        if (at >= line.size()) break;
        size_t end = line.find(' ', at);
        if (end == std::string::npos) end = line.size();
        std::string word = line.substr(at, end - at);
        at = end;
        const size_t need = current.size() + (fresh ? 0 : 1) + word.size();
        if (need > width && !fresh) flush();
        if (!fresh) current += ' ';
        // A word longer than a whole line is cut where the line ends.
        while (current.size() + word.size() > width) {
            const size_t room = width > current.size() ? width - current.size() : 0;
            if (room == 0) {
                flush();
                continue;
            }
            current += word.substr(0, room);
            word.erase(0, room);
            flush();
        }
        if (word.empty()) continue;
        current += word;
        fresh = false;
    }
    if (!fresh || out.empty()) flush();
    return out;
}

std::string WrappedText(const std::string& text, size_t width) {
    std::string out;
    for (size_t start = 0; start <= text.size();) {
        const size_t end = std::min(text.find('\n', start), text.size());
        const std::string line = text.substr(start, end - start);
        if (line.size() <= width) {
            out += line;
        } else {
            const size_t lead = std::min(line.find_first_not_of(' '), line.size());
            const auto parts = WrapLine(line, width, lead);
            for (size_t i = 0; i < parts.size(); ++i) out += (i > 0 ? "\n" : "") + parts[i];
        }
        if (end == text.size()) break;
        out += '\n';
        start = end + 1;
    }
    return out;
}

std::string NumberedEntry(bool marked, size_t number, size_t digits, const std::string& text) {
    const std::string n = std::to_string(number);
    return std::string(marked ? "*" : " ") +
           std::string(digits > n.size() ? digits - n.size() : 0, ' ') + n + " " + text;
}

std::vector<std::string> InColumns(const std::vector<std::string>& entries, size_t width,
                                   size_t indent) {
    constexpr size_t gap = 3;
    size_t longest = 0;
    for (const auto& e : entries) longest = std::max(longest, e.size());
    const size_t fit = std::max<size_t>(1, (width + gap) / (longest + gap));
    std::vector<std::string> out;
    if (fit <= 1 || entries.size() <= 1) {
        for (const auto& e : entries) {
            const auto lines = WrapLine(e, width, indent);
            out.insert(out.end(), lines.begin(), lines.end());
        }
        return out;
    }
    // As few rows as the columns allow, then as few columns as those rows need.
    const size_t rows = (entries.size() + fit - 1) / fit;
    const size_t columns = (entries.size() + rows - 1) / rows;
    for (size_t r = 0; r < rows; ++r) {
        std::string line;
        for (size_t c = 0; c < columns; ++c) {
            const size_t i = c * rows + r;
            if (i >= entries.size()) break;
            std::string cell = entries[i];
            if (i + rows < entries.size()) cell.resize(longest + gap, ' ');
            line += cell;
        }
        out.push_back(line);
    }
    return out;
}

std::vector<std::string> SideBySide(const std::vector<std::vector<std::string>>& blocks,
                                    size_t width) {
    constexpr size_t gap = 3;
    std::vector<std::string> out;
    for (size_t first = 0; first < blocks.size();) {
        // As many blocks as fit the width, one at least.
        size_t last = first, used = 0;
        std::vector<size_t> widths;
        while (last < blocks.size()) {
            size_t w = 0;
            for (const auto& line : blocks[last]) w = std::max(w, line.size());
            if (last > first && used + gap + w > width) break;
            used += (last > first ? gap : 0) + w;
            widths.push_back(w);
            ++last;
        }
        size_t height = 0;
        for (size_t b = first; b < last; ++b) height = std::max(height, blocks[b].size());
        if (!out.empty()) out.emplace_back();
        for (size_t row = 0; row < height; ++row) {
            std::string line;
            for (size_t b = first; b < last; ++b) {
                std::string part = row < blocks[b].size() ? blocks[b][row] : "";
                if (b + 1 < last) part.resize(widths[b - first] + gap, ' ');
                line += part;
            }
            while (!line.empty() && line.back() == ' ') line.pop_back();
            out.push_back(line);
        }
        first = last;
    }
    return out;
}

std::vector<std::string> WithoutBlankRuns(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    for (std::string line : lines) {
        line.erase(std::remove(line.begin(), line.end(), '\r'), line.end());
        // Tabs to the next multiple of eight, so widths are what a terminal shows.
        for (size_t tab; (tab = line.find('\t')) != std::string::npos;)
            line.replace(tab, 1, std::string(8 - tab % 8, ' '));
        while (!line.empty() && IsBlank(line.back())) line.pop_back();
        if (line.empty() && (out.empty() || out.back().empty())) continue;
        out.push_back(line);
    }
    while (!out.empty() && out.back().empty()) out.pop_back();
    return out;
}

std::vector<std::string> PageText(const std::string& html, size_t width) {
    PageReader reader(width);
    std::string text;
    size_t at = 0;
    while (at < html.size()) {
        const char c = html[at];
        if (c == '&') {
            const size_t end = html.find(';', at);
            if (end != std::string::npos && end - at <= 10) {
                const std::string decoded = Entity(html.substr(at + 1, end - at - 1));
                if (!decoded.empty()) {
                    text += decoded == " " ? "\xA0" : decoded;
                    at = end + 1;
                    continue;
                }
            }
            text += c;
            ++at;
            continue;
        }
        const bool tag = c == '<' && at + 1 < html.size() &&
                         (std::isalpha(static_cast<unsigned char>(html[at + 1])) ||
                          html[at + 1] == '/' || html[at + 1] == '!');
        if (!tag) {
            text += c;
            ++at;
            continue;
        }
        reader.Text(text);
        text.clear();
        if (html.compare(at, 4, "<!--") == 0) {
            const size_t end = html.find("-->", at + 4);
            at = end == std::string::npos ? html.size() : end + 3;
            continue;
        }
        // The tag runs to the first ">" outside a quoted attribute value.
        size_t end = at + 1;
        char quote = 0;
        for (; end < html.size(); ++end) {
            if (quote) {
                if (html[end] == quote) quote = 0;
            } else if (html[end] == '"' || html[end] == '\'') {
                quote = html[end];
            } else if (html[end] == '>') {
                break;
            }
        }
        const std::string inside = html.substr(at + 1, end - at - 1);
        at = end < html.size() ? end + 1 : html.size();
        const bool closing = !inside.empty() && inside[0] == '/';
        size_t start = closing ? 1 : 0, stop = start;
        while (stop < inside.size() && std::isalnum(static_cast<unsigned char>(inside[stop])))
            ++stop;
        reader.Tag(Lower(inside.substr(start, stop - start)), closing);
    }
    reader.Text(text);
    auto lines = reader.Finish();
    // A no-break space was kept apart from blanks until here.
    for (auto& line : lines) std::replace(line.begin(), line.end(), '\xA0', ' ');
    return lines;
}

}  // namespace orrimar
