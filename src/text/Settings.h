// The settings file and the environment: where the data folder is recorded.
#pragma once

#include <string>
#include <vector>

namespace orrimar {

inline constexpr const char* IniFileName = "Orrimar.ini";

// The text after the first "=" of the first environment entry whose start
// matches `name` without regard to case, trimmed; empty when none.
std::string GetEnvValue(const std::string& name);

// The folder of the settings file: WINDIR when set, otherwise the per-user
// configuration folder ($XDG_CONFIG_HOME/orrimar or ~/.config/orrimar).
std::string SettingsFolder();

// The user's own data folder, where a copy of the installed sample data
// goes: $XDG_DATA_HOME/orrimar/data/ or ~/.local/share/orrimar/data/.
std::string UserDataFolder();

// The keyed value of the first line whose start matches `key` without
// regard to case: the text after the key and one more character.
std::string ReadIniValue(const std::vector<std::string>& lines, const std::string& key);
// The same on a file; a name without a folder is taken in the settings
// folder; a missing file gives an empty text.
std::string ReadIniValue(const std::string& file, const std::string& key);

}  // namespace orrimar
