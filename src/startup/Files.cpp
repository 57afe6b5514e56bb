#include "startup/Files.h"

#include <unistd.h>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "model/Text.h"

namespace fs = std::filesystem;

namespace orrimar {

std::string AddBackslash(const std::string& folder) {
    if (!folder.empty() && folder.back() == PathSep) return folder;
    return folder + PathSep;
}

std::optional<std::string> FindFileNoCase(const std::string& folder, const std::string& name) {
    std::error_code ec;
    fs::path exact = fs::path(AddBackslash(folder)) / name;
    if (fs::is_regular_file(exact, ec)) return exact.string();
    std::string want = UCase(name);
    for (fs::directory_iterator it(AddBackslash(folder), ec), end; !ec && it != end;
         it.increment(ec)) {
        if (UCase(it->path().filename().string()) == want && it->is_regular_file(ec))
            return it->path().string();
    }
    return std::nullopt;
}

bool FileExistsNoCase(const std::string& folder, const std::string& name) {
    return FindFileNoCase(folder, name).has_value();
}

std::string ResolveNoCase(const std::string& folder, const std::string& name) {
    if (auto found = FindFileNoCase(folder, name)) return *found;
    return AddBackslash(folder) + name;
}

std::vector<std::string> ListFilesWithExtension(const std::string& folder, const std::string& ext) {
    std::vector<std::string> names;
    std::error_code ec;
    std::string want = UCase(ext);
    for (fs::directory_iterator it(AddBackslash(folder), ec), end; !ec && it != end;
         it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (it->is_regular_file(ec) && name.size() > want.size() &&
            UCase(name.substr(name.size() - want.size())) == want)
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<std::vector<std::string>> ReadLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::stringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) return std::nullopt;
    const std::string text = buffer.str();
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        size_t stop = end;
        if (stop > start && text[stop - 1] == '\r') --stop;
        lines.emplace_back(text.substr(start, stop - start));
        start = end + 1;
    }
    return lines;
}

std::string WriteFileAtomic(const std::string& path, const std::string& text) {
    const std::string temp = path + ".tmp" + std::to_string(::getpid());
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return "Cannot write " + path + ": the folder is missing or not writable.";
        out << text;
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignore;
            fs::remove(temp, ignore);
            return "Cannot write " + path + ": writing failed (disk full?).";
        }
    }
    std::error_code ec;
    fs::rename(temp, path, ec);
    if (ec) {
        std::error_code ignore;
        fs::remove(temp, ignore);
        return "Cannot write " + path + ": " + ec.message() + ".";
    }
    return "";
}

std::string JoinLinesCrLf(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + CrLf;
    return text;
}

bool MakeFolder(const std::string& path) {
    std::error_code ec;
    fs::create_directories(path, ec);
    return !ec;
}

std::string FileNameOf(const std::string& path) {
    size_t pos = path.find_last_of(PathSep);
    return pos == std::string::npos ? path : path.substr(pos + 1);
}

std::string FolderOf(const std::string& path) {
    size_t pos = path.find_last_of(PathSep);
    return pos == std::string::npos ? "" : path.substr(0, pos + 1);
}

}  // namespace orrimar
