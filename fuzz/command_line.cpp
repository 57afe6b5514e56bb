// orrimar-cli's command line: the input split at its zero bytes into the
// words given. Whatever they are, the reading ends in a mode or in an
// error that says what is wrong.
#include <algorithm>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "FuzzTargets.h"
#include "ui/console/CommandLine.h"

namespace orrimar::fuzz {

void CommandLine(std::string_view data) {
    std::vector<std::string> args;
    for (size_t start = 0; start <= data.size();) {
        const size_t end = std::min(data.find('\0', start), data.size());
        args.emplace_back(data.substr(start, end - start));
        start = end + 1;
    }
    const ParsedCommandLine parsed = ParseCommandLine(args);
    if (parsed.ErrorWithUsage && parsed.Error.empty())
        Fail("command line: the usage text offered without an error");
    const CliOptions& o = parsed.Options;
    if (parsed.Error.empty() && o.Mode == CliMode::Check && o.CheckDir.empty())
        Fail("command line: a check of no folder");
}

}  // namespace orrimar::fuzz
