#include "data/FilesSection.h"

#include "text/Text.h"

namespace orrimar {

std::vector<FilesEntry> ReadFilesSection(const std::vector<std::string>& lines) {
    std::vector<FilesEntry> entries;
    size_t k = 0;
    while (k < lines.size() && lines[k] != "[FILES]") ++k;
    for (++k; k < lines.size(); ++k) {
        const std::string& line = lines[k];
        const size_t eq = line.find('=');
        if (eq == std::string::npos) break;
        entries.push_back({Trim(line.substr(0, eq)), line.substr(eq + 1), static_cast<int>(k) + 1});
    }
    return entries;
}

}  // namespace orrimar
