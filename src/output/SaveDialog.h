// Asking where a resume goes.
#pragma once

#include <optional>
#include <string>

#include "ask/Models.h"

namespace orrimar {

struct Game;

// The folder the save dialog starts in: ~/transfer when it exists, else
// the home folder; ends in the separator.
std::string ResumeFolder();

// What is saved: a page, or the character's JSON document.
struct SavedKind {
    const char* Description;
    const char* Extension;
};
inline constexpr SavedKind HtmlPage{"Web pages", "htm"};
inline constexpr SavedKind JsonDocument{"JSON files", "json"};

// The save dialog's filter, extension, folder and proposed file name.
FileDialogRequest ResumeSaveRequest(const Game& g, const SavedKind& kind = HtmlPage);

// The chosen path (with the kind's extension added when the name has none),
// or nullopt when the dialog was cancelled.
std::optional<std::string> AskResumePath(Game& g, const SavedKind& kind = HtmlPage);

}  // namespace orrimar
