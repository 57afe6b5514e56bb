// A short batch over the sample data with a fuzzed race file, FUZZ.ERI
// (the input up to its first "==> " line), and a fuzzed service file,
// FUZZ.SRV (the text after it), which the race may list.
#include <filesystem>
#include <sstream>

#include "FuzzSupport.h"
#include "FuzzTargets.h"
#include "batch/Batch.h"

namespace orrimar::fuzz {

namespace {
const std::string& DataFolder() {
    static const std::string folder = [] {
        const std::string dir = ScratchFolder() + "data/";
        std::filesystem::create_directories(dir);
        for (const auto& entry : std::filesystem::directory_iterator(SampleData()))
            if (entry.is_regular_file())
                std::filesystem::copy_file(entry.path(), dir + entry.path().filename().string(),
                                           std::filesystem::copy_options::overwrite_existing);
        return dir;
    }();
    return folder;
}
}  // namespace

void Batch(std::string_view data) {
    const std::vector<InputFile> files = SplitFiles(data);
    WriteText(DataFolder() + "FUZZ.ERI", files[0].Text);
    WriteText(DataFolder() + "FUZZ.SRV", files.size() > 1 ? files[1].Text : "");

    BatchOptions options;
    options.Count = 2;
    options.Seed = Hash(data);
    options.DataDir = DataFolder();
    options.Race = "FUZZ.ERI";
    options.Terms = 3;
    options.WritePages = false;
    std::ostringstream log;
    RunBatch(options, log);
}

}  // namespace orrimar::fuzz
