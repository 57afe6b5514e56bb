// The data checker over a folder made of the input's files (see
// SplitFiles); a file without a name is IMPERIAL.ERI.
#include <cctype>
#include <filesystem>

#include "FuzzSupport.h"
#include "FuzzTargets.h"
#include "check/DataCheck.h"

namespace orrimar::fuzz {

namespace {
// A plain file name, so every file stays inside the scratch folder.
bool Acceptable(const std::string& name) {
    if (name.empty() || name.size() > 40 || name == "." || name == "..") return false;
    for (const char c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.' && c != '_' && c != '-')
            return false;
    return true;
}
}  // namespace

void DataCheck(std::string_view data) {
    const std::string folder = ScratchFolder() + "check/";
    std::error_code ignore;
    std::filesystem::remove_all(folder, ignore);
    std::filesystem::create_directories(folder, ignore);
    int written = 0;
    for (const InputFile& file : SplitFiles(data)) {
        const std::string name = file.Name.empty() ? "IMPERIAL.ERI" : file.Name;
        if (!Acceptable(name) || ++written > 16) continue;
        WriteText(folder + name, file.Text);
    }
    for (const DataProblem& problem : CheckDataFolder(folder)) (void)problem.Text();
}

}  // namespace orrimar::fuzz
