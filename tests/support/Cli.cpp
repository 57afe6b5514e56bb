#include "support/Cli.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>

namespace orrimar {

CliRun RunCli(const std::string& args, const TempDir& work, const std::string& input,
              const std::string& locale, const std::string& environment) {
    std::ofstream(work.Path() + "input.txt", std::ios::binary) << input;
    const std::string command = "cd '" + work.Path() + "' && LC_ALL=" + locale + " WINDIR='" +
                                work.Path() + "' " + environment + " '" + ORRIMAR_CLI + "' " +
                                args + " < input.txt > out.txt 2> err.txt";
    const int status = std::system(command.c_str());
    CliRun run;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = work.Read("out.txt");
    run.err = work.Read("err.txt");
    return run;
}

testing::AssertionResult Says(const std::string& text, const std::vector<std::string>& parts,
                              const std::vector<std::string>& absent) {
    for (const auto& part : parts)
        if (text.find(part) == std::string::npos)
            return testing::AssertionFailure() << "no \"" << part << "\" in:\n" << text;
    for (const auto& part : absent)
        if (text.find(part) != std::string::npos)
            return testing::AssertionFailure() << "\"" << part << "\" in:\n" << text;
    return testing::AssertionSuccess();
}

testing::AssertionResult Ran(const CliRun& run, int status, const std::vector<std::string>& parts,
                             const std::vector<std::string>& absent) {
    if (run.status != status)
        return testing::AssertionFailure()
               << "exit status " << run.status << ", not " << status << ":\n"
               << run.Both();
    return Says(run.Both(), parts, absent);
}

}  // namespace orrimar
