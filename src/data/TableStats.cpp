#include "data/TableStats.h"

#include "text/Text.h"

namespace orrimar {

namespace {

void NameIn(const RaceRecord& race, const SkillTableSet& tables,
            std::array<TableStats::Lines, SkillTableSet::Size>& out) {
    const uint32_t testing = tables.Testing();
    for (size_t t = 1; t < SkillTableSet::Size; ++t) {
        if (!(testing >> t & 1u)) continue;
        for (size_t k = 1; k <= SkillTableRecord::MaxEli; ++k) {
            const EliLine& e = tables[t].Eli[k];
            if (!(e.Tests & EliLine::TestsStat)) continue;
            uint32_t mask = 0;
            for (int i = 1; i <= RaceRecord::MaxStats; ++i) {
                // Past the race's own stands the PSI psionic training may
                // add; whether a character holds it is asked at the roll.
                const std::string_view name =
                    i == race.NumStats + 1 ? AddedPsiStat : race.StatName[static_cast<size_t>(i)];
                if (Contains(e.Upper, name)) mask |= 1u << i;
            }
            out[t][k] = mask;
        }
    }
}

}  // namespace

TableStats NamedInTables(const RaceRecord& race, const ServiceRecord& service) {
    TableStats named;
    NameIn(race, service.SkillTable, named.Service);
    NameIn(race, service.BranchSkillTable, named.Branch);
    return named;
}

}  // namespace orrimar
