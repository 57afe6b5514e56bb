// The [FILES] section of a race or service file: "KEY=Text" lines, from the
// one after the first line "[FILES]" up to the first line without "=". A
// race lists its services so, a service its branches.
#pragma once

#include <string>
#include <vector>

namespace orrimar {

struct FilesEntry {
    std::string Key;   // before the "=", trimmed: a file name or a branch key
    std::string Text;  // after it, as written: what the list shows
    int Line = 0;      // 1-based
};

std::vector<FilesEntry> ReadFilesSection(const std::vector<std::string>& lines);

}  // namespace orrimar
