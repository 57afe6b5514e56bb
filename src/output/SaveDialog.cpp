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

FileDialogRequest ResumeSaveRequest(const Game& g, const SavedKind& kind) {
    const std::string extension = kind.Extension;
    FileDialogRequest request;
    request.InitialFolder = ResumeFolder();
    request.FilterDescription = kind.Description;
    request.FilterPattern = "*." + extension;
    request.DefaultExtension = extension;
    // A name with nothing usable in it proposes no name, like no name at all:
    // the filter's "*.htm" is a pattern, and would be saved as a file of
    // that very name.
    const std::string stem = SafeFileName(g.Character.Name);
    request.FileName = stem.empty() ? "" : stem + "." + extension;
    return request;
}

std::optional<std::string> AskResumePath(Game& g, const SavedKind& kind) {
    while (true) {
        auto path = g.ui.SaveFileDialog(ResumeSaveRequest(g, kind));
        if (!path || path->empty()) return std::nullopt;
        const std::string name = FileNameOf(*path);
        if (name.empty() || name.find_first_of("*?") != std::string::npos) {
            g.ui.Message("\"" + name + "\" is not a file name. Please type a name for the page.",
                         g.AppTitle, MsgIcon::Warning);
            continue;
        }
        if (name.find('.') == std::string::npos) *path += std::string(".") + kind.Extension;
        return path;
    }
}

}  // namespace orrimar
