// Every input a fuzz target once failed on, kept in fuzz/regressions/<target>/,
// runs again through that target's own code. Under the sanitizer build any
// fault it finds fails the test; in every build a broken check fails it,
// naming the input, and a crash or a hang does.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "FuzzTargets.h"

namespace orrimar {
namespace {

namespace fs = std::filesystem;

TEST(FuzzRegression, KeptInputsRunCleanly) {
    const fs::path root = fs::path(ORRIMAR_SOURCE_DIR) / "fuzz" / "regressions";
    int replayed = 0;
    for (const fuzz::Target& target : fuzz::Targets) {
        const fs::path folder = root / target.Name;
        if (!fs::is_directory(folder)) continue;
        std::vector<fs::path> inputs;
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.is_regular_file()) inputs.push_back(entry.path());
        std::sort(inputs.begin(), inputs.end());
        for (const fs::path& input : inputs) {
            SCOPED_TRACE(std::string(target.Name) + "/" + input.filename().string());
            std::ifstream in(input, std::ios::binary);
            std::stringstream text;
            text << in.rdbuf();
            try {
                target.Run(text.str());
            } catch (const fuzz::CheckFailed& failed) {
                ADD_FAILURE() << failed.what();
            }
            ++replayed;
        }
    }
    if (replayed == 0) GTEST_SKIP() << "no kept inputs in " << root;
}

}  // namespace
}  // namespace orrimar
