#include "data/DataCache.h"

#include <system_error>

namespace orrimar {

std::optional<FileStamp> StampOf(const std::string& path) {
    std::error_code ec;
    FileStamp stamp;
    stamp.Size = std::filesystem::file_size(path, ec);
    if (ec) return std::nullopt;
    stamp.Time = std::filesystem::last_write_time(path, ec);
    if (ec) return std::nullopt;
    return stamp;
}

}  // namespace orrimar
