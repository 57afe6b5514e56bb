#include "output/SaveDialog.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "model/Game.h"
#include "output/ResumeText.h"
#include "startup/Files.h"

namespace orrimar {

std::string ResumeFolder() {
    // An exact lookup: a prefix match would take HOMEDIR for HOME.
    const char* home = std::getenv("HOME");
    const std::string folder = AddBackslash(home && *home ? home : ".");
    std::error_code ec;
    if (std::filesystem::is_directory(folder + "transfer", ec))
        return folder + "transfer" + PathSep;
    return folder;
}

FileDialogRequest ResumeSaveRequest(const Game& g) {
    FileDialogRequest request;
    request.InitialFolder = ResumeFolder();
    request.FilterDescription = "Web pages";
    request.FilterPattern = "*.htm";
    request.DefaultExtension = "htm";
    // A name with nothing usable in it proposes no name, like no name at all.
    const std::string stem = SafeFileName(g.Character.Name);
    request.FileName = stem.empty() ? "*.htm" : stem + ".htm";
    return request;
}

std::optional<std::string> AskResumePath(Game& g) {
    auto path = g.ui.SaveFileDialog(ResumeSaveRequest(g));
    if (!path || path->empty()) return std::nullopt;
    if (FileNameOf(*path).find('.') == std::string::npos) *path += ".htm";
    return path;
}

}  // namespace orrimar
