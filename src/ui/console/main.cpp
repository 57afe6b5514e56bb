// orrimar-cli: the terminal face. Interactive by default (answers read
// from standard input); --check-data checks a data folder.
#include <iostream>
#include <string>
#include <vector>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "ui/console/CliModes.h"
#include "ui/console/CommandLine.h"
#include "ui/console/Terminal.h"

using namespace orrimar;

namespace {

int Run(const std::vector<std::string>& args) {
    const ParsedCommandLine parsed = ParseCommandLine(args);
    if (!parsed.Error.empty()) {
        std::cerr << "orrimar-cli: " << parsed.Error << "\n";
        if (parsed.ErrorWithUsage) Usage(std::cerr);
        return 2;
    }
    return RunMode(parsed.Options);
}

}  // namespace

int main(int argc, char** argv) {
    // The program's texts are Latin-1: what it prints is converted to the
    // terminal's encoding, what is typed or given on the command line back.
    const Charset charset = LocaleCharset();
    SetTerminalCharset(charset);
    TerminalBuffer out(std::cout.rdbuf(), charset), err(std::cerr.rdbuf(), charset);
    std::cout.rdbuf(&out);
    std::cerr.rdbuf(&err);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        std::string refused;
        args.push_back(FromTerminal(argv[i], charset, refused));
    }
    int status = Run(args);
    // What could not be written (a full disk, a closed pipe) is no success.
    std::cout.flush();
    const bool written = std::cout.good() && std::fflush(stdout) == 0 && !std::ferror(stdout);
    const int lost = errno;
    std::cerr.flush();
    std::cout.rdbuf(out.Target());
    std::cerr.rdbuf(err.Target());
    if (!written) {
        std::cerr << "orrimar-cli: cannot write to standard output (" << std::strerror(lost)
                  << ")\n";
        if (status == 0) status = 1;
    }
    return status;
}
