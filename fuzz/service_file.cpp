// A service file read from memory with every branch it lists.
#include "FuzzSupport.h"
#include "FuzzTargets.h"
#include "data/Service.h"

namespace orrimar::fuzz {

void ServiceFile(std::string_view data) {
    const std::vector<std::string> lines = Lines(data);
    ServiceRecord service;
    DataProblem problem;
    if (!ReadServiceText("FUZZ.SRV", lines, service, problem)) {
        (void)problem.Text();
        return;
    }
    NameRankZero(service);
    for (const BranchEntry& entry : ReadBranchEntries(lines)) {
        ServiceRecord branch = service;
        if (!ReadBranchText("FUZZ.SRV", lines, entry.Key, branch, problem)) (void)problem.Text();
    }
}

}  // namespace orrimar::fuzz
