// What orrimar-cli does in each of its modes, from the options read off
// its command line. Each returns the program's exit status.
#pragma once

#include "ui/console/CommandLine.h"

namespace orrimar {

// Lists the data problems of --check-data's folder.
int CheckMode(const CliOptions& o);
// Prints the program's and the data format's versions.
int VersionMode();
int StatsMode(const CliOptions& o);
int RegenerateMode(const CliOptions& o);
// --auto: a batch without a question.
int BatchMode(const CliOptions& o);
// The interactive program, answers read from standard input.
int PlayMode(const CliOptions& o);

// The mode the options ask for.
int RunMode(const CliOptions& o);

}  // namespace orrimar
