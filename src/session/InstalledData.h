// The sample data installed with the program, and the copy of it in the
// user's own data folder that first use proposes in place of the
// open-file dialog. The installed files are only ever read.
#pragma once

#include <string>

namespace orrimar {

struct Game;

// The sample data folder installed with the running program (beside its
// folder: <prefix>/bin/../share/orrimar/data/, so any prefix works), ending
// in the separator; "" when there is none, as in a build folder.
std::string InstalledDataFolder();

// Copies the files and subfolders of `from` into `to`, creating it, and
// replaces nothing already there. IMPERIAL.ERI comes last, so a folder
// holding it holds the whole copy. "" on success, else a message naming
// the folder and the file that failed.
std::string CopyDataFolder(const std::string& from, const std::string& to);

// The data folder for a run that names none (a batch, a regeneration):
// the folder recorded at first run, else the user's copy of the sample
// data, else the sample data installed with the program, only ever read.
// `Source` says which, for the user; both are "" when there is none.
struct DefaultData {
    std::string Folder;
    std::string Source;
};
DefaultData FindDefaultData(const std::string& installed);

// First use with installed sample data (g.session.InstalledDataLoc): asks whether
// to use it, and on Yes copies it to the user's data folder unless that
// folder already holds data files, which are then used as they are.
// Returns the folder to record, or "" when nothing was proposed, the user
// said No or the copy failed (which is said, naming the folder).
std::string OfferInstalledData(Game& g);

}  // namespace orrimar
