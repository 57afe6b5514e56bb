#include "text/Settings.h"

#include <unistd.h>

#include <cstdlib>

#include "text/Files.h"
#include "text/Text.h"

namespace orrimar {

std::string GetEnvValue(const std::string& name) {
    const std::string want = UCase(name);
    for (char** entry = environ; entry && *entry && **entry; ++entry) {
        std::string text = *entry;
        if (UCase(Left(text, want.size())) == want) {
            size_t eq = text.find('=');
            return eq == std::string::npos ? "" : Trim(text.substr(eq + 1));
        }
    }
    return "";
}

std::string SettingsFolder() {
    std::string windir = GetEnvValue("WINDIR");
    if (!windir.empty()) return WithTrailingSlash(windir);
    // Exact lookups here: a prefix match would take HOMEDIR for HOME.
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && *xdg) return WithTrailingSlash(xdg) + "orrimar" + PathSep;
    const char* home = std::getenv("HOME");
    return WithTrailingSlash(home ? home : ".") + ".config" + PathSep + "orrimar" + PathSep;
}

std::string UserDataFolder() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && *xdg) return WithTrailingSlash(xdg) + "orrimar" + PathSep + "data" + PathSep;
    const char* home = std::getenv("HOME");
    return WithTrailingSlash(home ? home : ".") + ".local" + PathSep + "share" + PathSep +
           "orrimar" + PathSep + "data" + PathSep;
}

std::string ReadIniValue(const std::vector<std::string>& lines, const std::string& key) {
    for (const auto& line : lines) {
        if (StartsWithNoCase(line, key)) return Mid(line, key.size() + 2);
    }
    return "";
}

std::string ReadIniValue(const std::string& file, const std::string& key) {
    std::string path =
        file.find(PathSep) == std::string::npos ? ResolveNoCase(SettingsFolder(), file) : file;
    auto lines = ReadLines(path);
    return lines ? ReadIniValue(*lines, key) : "";
}

}  // namespace orrimar
