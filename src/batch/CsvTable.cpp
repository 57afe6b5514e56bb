#include "batch/CsvTable.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "batch/Batch.h"
#include "text/Encoding.h"
#include "text/Text.h"

namespace orrimar {

namespace {

// Separators inside a record: between its parts, its entries, and an
// entry's name and value. Names never hold control characters (they are
// taken out).
constexpr char PartEnd = '\x1f', EntryEnd = '\x1e', NameEnd = '\x1d';

constexpr const char* RosterColumns =
    "number,name,race,service,branch,rank_code,rank_name,upp,age,terms,top_skills,cash,"
    "benefits,decorations,seed,version,data";

// The usual characteristics come first, in the race files' order; any
// other after them, by name.
std::string StatKey(const std::string& name) {
    static const char* Usual[] = {"STR", "DEX", "END", "INT", "EDU", "SOC", "PSI"};
    for (size_t i = 0; i < std::size(Usual); ++i)
        if (EqualsNoCase(name, Usual[i])) return std::string(1, static_cast<char>('0' + i));
    return "9" + UCase(name);
}

std::string Name(std::string_view text) {
    std::string name = Trim(text);
    std::erase_if(name, [](char c) { return static_cast<unsigned char>(c) < 0x20; });
    return name;
}

void Entry(std::string& record, std::string_view name, int value) {
    record.append(Name(name)).append(1, NameEnd).append(std::to_string(value)).append(1, EntryEnd);
}

std::vector<std::string> Pieces(std::string_view text, char separator) {
    std::vector<std::string> pieces;
    for (size_t at = 0; at < text.size();) {
        const size_t end = std::min(text.find(separator, at), text.size());
        pieces.emplace_back(text.substr(at, end - at));
        at = end + 1;
    }
    return pieces;
}

}  // namespace

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string field = "\"";
    for (char c : text) {
        if (c == '"') field += '"';
        field += c;
    }
    return field + "\"";
}

std::string CsvRecord(const BatchCharacter& c, std::string_view version, std::string_view data) {
    std::string record;
    for (const std::string& text :
         {c.Name, c.Race, c.Service, c.Branch, c.RankCode, c.RankName, c.Upp, std::to_string(c.Age),
          std::to_string(c.Terms), c.TopSkills, std::to_string(c.Money), c.Benefits, c.Decorations,
          std::to_string(c.Seed), std::string(version), std::string(data)})
        record.append(",").append(CsvField(Latin1ToUtf8(text)));
    for (const auto* entries : {&c.Stats, &c.Skills}) {
        record += PartEnd;
        for (const auto& [name, value] : *entries) Entry(record, name, value);
    }
    return record;
}

CsvTable::CsvTable() : scratch_(std::tmpfile()) {}

CsvTable::~CsvTable() {
    if (scratch_) std::fclose(scratch_);
}

void CsvTable::Add(const std::string& record) {
    if (!scratch_) return;
    const auto parts = Pieces(record, PartEnd);
    for (size_t p = 1; p < parts.size() && p < 3; ++p)
        for (const std::string& entry : Pieces(parts[p], EntryEnd)) {
            const std::string name = entry.substr(0, entry.find(NameEnd));
            auto& columns = p == 1 ? stats_ : skills_;
            columns.try_emplace(p == 1 ? StatKey(name) : UCase(name), name);
        }
    ++rows_;
    const std::string line = std::to_string(rows_) + record + "\n";
    failed_ = failed_ || std::fwrite(line.data(), 1, line.size(), scratch_) != line.size();
}

bool CsvTable::WriteTo(const std::function<void(std::string_view)>& put) const {
    if (!scratch_ || failed_ || std::fflush(scratch_) != 0) return false;
    std::string text = RosterColumns;
    for (const auto* columns : {&stats_, &skills_})
        for (const auto& [key, name] : *columns) text += "," + CsvField(Latin1ToUtf8(name));
    text += "\r\n";
    put(text);
    std::rewind(scratch_);
    // Where each column stands: a row's few values are put in their places,
    // and the batch's many columns are written in one pass.
    std::map<std::string, size_t> places[2];
    std::vector<std::string> cells[2];
    for (size_t p = 0; p < 2; ++p) {
        for (const auto& [key, name] : p == 0 ? stats_ : skills_)
            places[p].emplace(key, places[p].size());
        cells[p].resize(places[p].size());
    }
    // One row of the scratch file; of a column named twice the last value counts.
    const auto row = [&](const std::string& line) {
        const auto parts = Pieces(line, PartEnd);
        text = parts[0];
        for (size_t p = 1; p < 3; ++p) {
            auto& cell = cells[p - 1];
            if (p < parts.size())
                for (const std::string& entry : Pieces(parts[p], EntryEnd)) {
                    const size_t end = entry.find(NameEnd);
                    const std::string name = entry.substr(0, end);
                    const auto at = places[p - 1].find(p == 1 ? StatKey(name) : UCase(name));
                    if (at != places[p - 1].end()) cell[at->second] = entry.substr(end + 1);
                }
            for (std::string& value : cell) {
                text += ',';
                text += value;
                value.clear();
            }
        }
        text += "\r\n";
        put(text);
    };
    std::string line;
    char buffer[1 << 16];
    for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, scratch_)) > 0;) {
        std::string_view chunk(buffer, got);
        for (size_t end; (end = chunk.find('\n')) != std::string_view::npos;
             chunk.remove_prefix(end + 1)) {
            line.append(chunk.substr(0, end));
            row(line);
            line.clear();
        }
        line.append(chunk);
    }
    const bool read = !std::ferror(scratch_);
    std::fseek(scratch_, 0, SEEK_END);
    return read;
}

}  // namespace orrimar
