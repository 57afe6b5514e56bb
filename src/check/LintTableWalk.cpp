// The special-assignment tables a service's career code plays, checked as
// data (TableWalk): results no row takes, cycles of tables with no way
// out, chains longer than play follows. The tables are the program's own,
// so a fault is told at each service file whose "type=" line reaches them.
#include <map>

#include "career/specials/Registry.h"
#include "career/specials/TableWalk.h"
#include "check/Lint.h"
#include "data/Service.h"

namespace orrimar {

void LintTableWalk(const LintFolder& folder, std::vector<DataProblem>& out) {
    std::map<const specials::SpecialTable*, std::vector<specials::TableFault>> checked;
    for (const auto& s : folder.Services) {
        const specials::SpecialFamily* family = specials::FamilyOf(s.Service.Type.Kind);
        if (!family) continue;
        for (const auto& root : family->Roots) {
            const auto [at, fresh] = checked.try_emplace(root.Table);
            if (fresh) at->second = specials::CheckTables(*root.Table);
            for (const auto& fault : at->second)
                Warn(out, s.File, s.Service.ServiceAt.Type + 1,
                     "the special assignments of career type \"" + s.Service.Type.Text +
                         "\", table \"" + fault.Table + "\": " + fault.Text + ".",
                     "the fault is in the program's own tables, not in this folder; please "
                     "report it.");
        }
    }
}

}  // namespace orrimar
