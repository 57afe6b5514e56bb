#include "output/SaveDialog.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "model/Game.h"
#include "output/ResumeText.h"
#include "session/WindowPlaces.h"
#include "text/Files.h"
#include "text/Settings.h"

namespace orrimar {

std::string ResumeFolder() {
    // An exact lookup: a prefix match would take HOMEDIR for HOME.
    const char* home = std::getenv("HOME");
    const std::string folder = WithTrailingSlash(home && *home ? home : ".");
    std::error_code ec;
    if (std::filesystem::is_directory(folder + "transfer", ec))
        return folder + "transfer" + PathSep;
    return folder;
}

std::string SaveFolder() {
    const std::string kept = ReadPlacesText(SettingsFolder(), SaveFolderKey);
    std::error_code ec;
    if (!kept.empty() && std::filesystem::is_directory(kept, ec)) return WithTrailingSlash(kept);
    return ResumeFolder();
}

std::string RememberSaveFolder(const std::string& path) {
    std::error_code ec;
    const auto whole = std::filesystem::absolute(std::filesystem::path(path), ec);
    if (ec) return "";
    return WritePlacesText(SettingsFolder(), SaveFolderKey, FolderOf(whole.string()));
}

namespace {

// The last save's file name (without extension) is kept with the name of
// the character saved, "name|file": another character is offered its own.
// An unnamed character is told from no other, so it is offered nothing.
void RememberSavedName(const std::string& character, const std::string& path) {
    const std::string file = FileNameOf(path);
    const std::string stem = file.substr(0, file.rfind('.'));
    if (!stem.empty() && !character.empty() && character.find('|') == std::string::npos)
        WritePlacesText(SettingsFolder(), SavedNameKey, character + "|" + stem);
}

}  // namespace

std::string ProposedStem(const CareerPart& career) {
    const std::string kept = ReadPlacesText(SettingsFolder(), SavedNameKey);
    const std::string& name = career.Character.Name;
    if (!name.empty() && kept.size() > name.size() + 1 && kept.compare(0, name.size(), name) == 0 &&
        kept[name.size()] == '|')
        return kept.substr(name.size() + 1);
    return SafeFileName(career.Character.Name);
}

FileDialogRequest ResumeSaveRequest(const CareerPart& career, const SavedKind& kind) {
    const std::string extension = kind.Extension;
    FileDialogRequest request;
    request.InitialFolder = SaveFolder();
    request.FilterDescription = kind.Description;
    request.FilterPattern = "*." + extension;
    request.DefaultExtension = extension;
    // A name with nothing usable in it proposes no name, like no name at all:
    // the filter's "*.htm" is a pattern, and would be saved as a file of
    // that very name.
    const std::string stem = ProposedStem(career);
    request.FileName = stem.empty() ? "" : stem + "." + extension;
    return request;
}

std::optional<std::string> AskResumePath(Game& g, const SavedKind& kind) {
    while (true) {
        auto path = g.ui.SaveFileDialog(ResumeSaveRequest(g.career, kind));
        if (!path || path->empty()) return std::nullopt;
        const std::string name = FileNameOf(*path);
        if (name.empty() || name.find_first_of("*?") != std::string::npos) {
            g.ui.Message("\"" + name + "\" is not a file name. Please type a name for the page.",
                         g.session.AppTitle, MsgIcon::Warning);
            continue;
        }
        if (name.find('.') == std::string::npos) *path += std::string(".") + kind.Extension;
        // Only a convenience: a folder that cannot be kept costs the default next time.
        RememberSaveFolder(*path);
        RememberSavedName(g.career.Character.Name, *path);
        return path;
    }
}

}  // namespace orrimar
