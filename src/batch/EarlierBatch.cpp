#include "batch/EarlierBatch.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace orrimar {

bool IsBatchFileName(const std::string& name) {
    if (name == "index.htm" || name == "index.csv" || name == "cards.htm" || name == "batch.log")
        return true;
    const size_t dash = name.find('-');
    if (dash == std::string::npos || dash < 4) return false;
    if (!std::all_of(name.begin(), name.begin() + static_cast<long>(dash),
                     [](unsigned char c) { return std::isdigit(c) != 0; }))
        return false;
    return name.ends_with(".htm") || name.ends_with(".json");
}

std::string ClearEarlierBatch(const std::string& folder, bool replace) {
    std::vector<fs::path> earlier;
    bool marked = false;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (it->is_directory(ec) || !IsBatchFileName(name)) continue;
        earlier.push_back(it->path());
        marked = marked || name == "index.htm" || name == "batch.log";
    }
    if (ec) return "cannot read the folder " + folder + " (" + ec.message() + ")";
    // Numbered pages alone may be anyone's; an index or log is a batch's.
    if (!marked) return "";
    if (!replace)
        return folder + " already holds a batch; give --yes to replace it (its index.htm, " +
               "index.csv, cards.htm, batch.log and numbered pages are removed), or another --out "
               "folder";
    for (const auto& path : earlier)
        if (!fs::remove(path, ec) && ec)
            return "cannot remove " + path.string() + " (" + ec.message() + ")";
    return "";
}

}  // namespace orrimar
