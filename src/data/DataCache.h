// What the loaders made of the data files, kept for the run: a batch picks
// races, services and branches thousands of times, and reading and parsing
// the same files each time was most of its work. An entry holds while its
// file keeps its size and modification time, so a file the user edits
// between two choices is read again.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <utility>

namespace orrimar {

struct FileStamp {
    std::uintmax_t Size = 0;
    std::filesystem::file_time_type Time;
    bool operator==(const FileStamp&) const = default;
};
// Nothing when the file cannot be found.
std::optional<FileStamp> StampOf(const std::string& path);

template <class T>
class FileCache {
  public:
    // The value kept for `path` under `key`, while the file is unchanged;
    // a settled cache does not look at the file again.
    const T* Find(const std::string& path, const std::string& key = "",
                  bool settled = false) const {
        const auto at = entries_.find({path, key});
        if (at == entries_.end()) return nullptr;
        if (settled) return &at->second.second;
        const auto stamp = StampOf(path);
        return stamp && stamp == at->second.first ? &at->second.second : nullptr;
    }
    // Keeps `value` for the file as it is now, and gives it back. A file that
    // cannot be found now has no stamp: its value is never found again.
    const T& Put(const std::string& path, const std::string& key, T value) {
        auto& entry = entries_[{path, key}];
        entry = {StampOf(path), std::move(value)};
        return entry.second;
    }

  private:
    std::map<std::pair<std::string, std::string>, std::pair<std::optional<FileStamp>, T>> entries_;
};

}  // namespace orrimar
