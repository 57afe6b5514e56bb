// Asking where a resume goes.
#pragma once

#include <optional>
#include <string>

#include "model/Models.h"

namespace orrimar {

struct Game;
struct CareerPart;

// The folder the save dialog starts in: ~/transfer when it exists, else
// the home folder; ends in the separator.
std::string ResumeFolder();

// Where the next save starts: the folder the last save went to (kept with
// the window places), while it is still there, else ResumeFolder().
std::string SaveFolder();
// Keeps the folder of `path` for the next save, in any run; "" or what failed.
std::string RememberSaveFolder(const std::string& path);

// The file name, without extension, a save proposes: the one the character
// was last saved under, else one made of its name ("" when it has none).
std::string ProposedStem(const CareerPart& career);

// What is saved: a page, or the character's JSON document.
struct SavedKind {
    const char* Description;
    const char* Extension;
};
inline constexpr SavedKind HtmlPage{"Web pages", "htm"};
inline constexpr SavedKind JsonDocument{"JSON files", "json"};

// The save dialog's filter, extension, folder and proposed file name.
FileDialogRequest ResumeSaveRequest(const CareerPart& career, const SavedKind& kind = HtmlPage);

// The chosen path (with the kind's extension added when the name has none),
// or nullopt when the dialog was cancelled. Its folder and name are offered
// by the next save.
std::optional<std::string> AskResumePath(Game& g, const SavedKind& kind = HtmlPage);

}  // namespace orrimar
