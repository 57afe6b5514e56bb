#include "session/InstalledData.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "model/Game.h"
#include "text/Files.h"
#include "text/Settings.h"
#include "text/Text.h"

// From the programs' folder to the installed data, as the install rules
// lay them out; CMake gives it from GNUInstallDirs.
#ifndef ORRIMAR_DATA_FROM_BIN
#define ORRIMAR_DATA_FROM_BIN "../share/orrimar/data"
#endif

namespace fs = std::filesystem;

namespace orrimar {

namespace {

constexpr const char* MarkerFile = "IMPERIAL.ERI";

// One file, through a temporary name beside it, so a copy cut short never
// passes for a whole file. A file of that name already there is kept.
std::string CopyOneFile(const fs::path& from, const std::string& folder) {
    const std::string name = from.filename().string();
    if (FileExistsNoCase(folder, name)) return "";
    const fs::path target = fs::path(WithTrailingSlash(folder) + name);
    fs::path temp = target;
    temp += ".copying";
    std::error_code ec;
    fs::copy_file(from, temp, fs::copy_options::overwrite_existing, ec);
    // Installed files may be read-only; the copy is there to be edited.
    if (!ec) fs::permissions(temp, fs::perms::owner_write, fs::perm_options::add, ec);
    if (!ec) fs::rename(temp, target, ec);
    if (!ec) return "";
    std::error_code ignored;
    fs::remove(temp, ignored);
    return target.string() + ": " + ec.message();
}

std::string CopyFolder(const fs::path& from, const std::string& to) {
    std::error_code ec;
    fs::create_directories(to, ec);
    if (ec) return to + ": " + ec.message();
    std::vector<fs::path> files, folders;
    for (fs::directory_iterator it(from, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_directory(ec))
            folders.push_back(it->path());
        else if (it->is_regular_file(ec))
            files.push_back(it->path());
    }
    if (ec) return from.string() + ": " + ec.message();
    std::sort(folders.begin(), folders.end());
    std::sort(files.begin(), files.end());
    std::stable_partition(files.begin(), files.end(), [](const fs::path& p) {
        return UCase(p.filename().string()) != MarkerFile;
    });
    for (const auto& folder : folders) {
        const std::string target = ResolveFolderNoCase(to, folder.filename().string());
        if (std::string failed = CopyFolder(folder, target); !failed.empty()) return failed;
    }
    for (const auto& file : files)
        if (std::string failed = CopyOneFile(file, to); !failed.empty()) return failed;
    return "";
}

}  // namespace

std::string InstalledDataFolder() {
    std::error_code ec;
    const fs::path program = fs::read_symlink("/proc/self/exe", ec);
    if (ec || program.empty()) return "";
    const std::string folder = WithTrailingSlash(
        (program.parent_path() / ORRIMAR_DATA_FROM_BIN).lexically_normal().string());
    return FileExistsNoCase(folder, MarkerFile) ? folder : "";
}

std::string CopyDataFolder(const std::string& from, const std::string& to) {
    const std::string failed = CopyFolder(fs::path(from), to);
    if (failed.empty()) return "";
    return "Orrimar could not copy the sample data to " + to + " (" + failed + ").";
}

DefaultData FindDefaultData(const std::string& installed) {
    const std::string recorded = ReadIniValue(IniFileName, "dataloc");
    if (!recorded.empty() && FileExistsNoCase(WithTrailingSlash(recorded), MarkerFile))
        return {WithTrailingSlash(recorded), "the data folder recorded at first run"};
    if (const std::string copy = UserDataFolder(); FileExistsNoCase(copy, MarkerFile))
        return {copy, "your copy of the sample data"};
    if (!installed.empty() && FileExistsNoCase(WithTrailingSlash(installed), MarkerFile))
        return {WithTrailingSlash(installed), "the sample data installed with Orrimar (read only)"};
    return {};
}

std::string OfferInstalledData(Game& g) {
    if (g.session.InstalledDataLoc.empty() ||
        !FileExistsNoCase(g.session.InstalledDataLoc, MarkerFile))
        return "";
    const std::string folder = UserDataFolder();
    const bool present = FileExistsNoCase(folder, MarkerFile);
    const std::string question =
        present ? "Use the data files in " + folder +
                      "? That folder already holds Orrimar data files; they are used as they are."
                : "Use the sample data installed with Orrimar? A copy goes to " + folder +
                      ", where you may edit it.";
    if (!g.ui.YesNo(question, g.session.AppTitle, true, MsgIcon::Question)) return "";
    if (present) return folder;
    if (std::string failed = CopyDataFolder(g.session.InstalledDataLoc, folder); !failed.empty()) {
        g.ui.Message(failed + " Please choose a data folder yourself.", g.session.AppTitle,
                     MsgIcon::Warning);
        return "";
    }
    return folder;
}

}  // namespace orrimar
