// The roster as CSV for a spreadsheet (RFC 4180, UTF-8): the roster's
// columns, then every characteristic and every skill as a column of its
// own. Which characteristics and skills the batch holds is known only at
// its end, so the rows wait in a scratch file until the header is written.
#pragma once

#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace orrimar {

struct BatchCharacter;

// One character's record for CsvTable::Add (made on any thread).
std::string CsvRecord(const BatchCharacter& c, std::string_view version, std::string_view data);

// A text as one CSV field: quoted when it holds a comma, a quote or a
// line end, quotes doubled.
std::string CsvField(std::string_view text);

class CsvTable {
  public:
    CsvTable();
    ~CsvTable();
    CsvTable(const CsvTable&) = delete;
    CsvTable& operator=(const CsvTable&) = delete;

    bool IsOpen() const { return scratch_ != nullptr; }
    // The next row, numbered in the order added.
    void Add(const std::string& record);
    // The header and every row, lines ended by CR LF, handed to `put` a
    // line at a time; false when the scratch file failed.
    bool WriteTo(const std::function<void(std::string_view)>& put) const;

  private:
    std::FILE* scratch_ = nullptr;
    int rows_ = 0;
    bool failed_ = false;
    // Column names by their sort key.
    std::map<std::string, std::string> stats_, skills_;
};

}  // namespace orrimar
