// Asking where a resume goes.
#pragma once

#include <optional>
#include <string>

#include "ui/Models.h"

namespace orrimar {

struct Game;

// The folder the save dialog starts in: ~/transfer when it exists, else
// the home folder; ends in the separator.
std::string ResumeFolder();

// The save dialog's filter, extension, folder and proposed file name.
FileDialogRequest ResumeSaveRequest(const Game& g);

// The chosen page path (with ".htm" added when the name has no
// extension), or nullopt when the dialog was cancelled.
std::optional<std::string> AskResumePath(Game& g);

}  // namespace orrimar
