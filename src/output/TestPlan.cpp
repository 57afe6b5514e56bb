#include "output/TestPlan.h"

#include <vector>

#include "data/Race.h"
#include "data/Service.h"
#include "model/Game.h"
#include "model/RaceChoice.h"
#include "model/ServiceChoice.h"
#include "text/Files.h"
#include "text/Settings.h"

namespace orrimar {

namespace {

bool HasNamedAssignment(const ServiceRecord& service) {
    for (int k = 1; k <= ServiceRecord::MaxAssignments; ++k)
        if (!service.Assignment[k].Name.empty()) return true;
    return false;
}

}  // namespace

bool TestPlanOffered() {
    return !GetEnvValue("_ZIP").empty();
}

std::string TestPlanPath(const SessionPart& session) {
    return ResolveNoCase(session.DataLoc, "testplan.dat");
}

int RunTestPlan(Game& g) {
    std::vector<std::string> plan;
    int count = 0;
    for (int r = 0; r < static_cast<int>(g.windows.RaceList.Entries.size()); ++r) {
        // A race file that cannot be loaded keeps the old race selected; its
        // own [FILES] list is what the plan must walk.
        if (!SelectRace(g, r)) ListServices(g, &g.windows.RaceList.Entries[r]);
        for (int s = 0; s < static_cast<int>(g.windows.ServiceList.Entries.size()); ++s) {
            SelectService(g, s);
            const int branches = static_cast<int>(g.windows.BranchList.Entries.size());
            for (int b = 0; b < branches; ++b) {
                // A service with one branch has selected it already; loading
                // it again would only repeat a broken branch's message.
                if (branches != 1) SelectBranch(g, b);
                ++count;
                plan.push_back("c1=" + std::to_string(r));
                plan.push_back("c2=" + std::to_string(s));
                plan.push_back("c3=" + std::to_string(b));
                // A branch that failed to load was reported by its loader, and
                // the record still holds the previous branch: nothing to judge.
                if (g.windows.BranchList.Selected != b) continue;
                if (!HasNamedAssignment(g.rules.Service))
                    g.ui.Message("Problem! " + g.rules.Service.BranchName, g.session.AppTitle,
                                 MsgIcon::None);
            }
        }
    }
    const std::string path = TestPlanPath(g.session);
    if (std::string problem = WriteFileAtomic(path, JoinLinesCrLf(plan)); !problem.empty())
        g.ui.Message(problem, g.session.AppTitle, MsgIcon::Critical);
    g.ui.Message("Complete, " + std::to_string(count) + " careers tested", g.session.AppTitle,
                 MsgIcon::Information);
    return count;
}

}  // namespace orrimar
