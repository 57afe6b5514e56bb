// School files a service sends characters to that the folder lacks: the
// scouts' and explorers' Training schools (ISCTn.SCH) and the schools of
// special assignments (the police academies), each found from the
// service's [SCHOOL] line the way the career finds it. Either gives a
// skill-table roll instead (the academies with a message). A school file
// that is there but broken is an error of the checker itself.
#include <map>

#include "career/HandOffs.h"
#include "career/Term.h"
#include "check/Lint.h"
#include "text/Files.h"
#include "text/Text.h"

namespace orrimar {

namespace {

// Who is sent to one missing file: the [SCHOOL] positions and race types.
struct Sent {
    std::set<int> Positions;
    std::set<int> Races;
};

std::string List(const std::set<int>& numbers) {
    std::string text;
    for (int n : numbers) text += (text.empty() ? "" : ", ") + std::to_string(n);
    return text;
}

}  // namespace

void LintSchools(const LintFolder& folder, std::vector<DataProblem>& out) {
    for (const auto& s : folder.Services) {
        if (s.Branches.empty()) continue;
        // [SCHOOL] is read once for all branches, from the top of the file.
        const SchoolDigits& school = s.Branches.front().Service.School;
        const ServiceKind type = s.Service.Type.Kind;
        const int line = school.Line;
        std::map<std::string, Sent> missing;
        std::set<int> noDigit;
        if (TrainsAtSchool(type)) {
            for (int position = 1; position <= 6; ++position) {
                const std::string file = ScoutSchoolFile(school.At(position));
                if (file.empty())
                    noDigit.insert(position);
                else if (!FileExistsNoCase(folder.Dir, file))
                    missing[file].Positions.insert(position);
            }
        }
        std::set<int> races;
        for (const LintRace* r : s.Races) races.insert(r->Race.Code);
        for (int race : races)
            for (const auto& visit : SpecialSchools(type, race, school)) {
                if (visit.File.empty()) {
                    noDigit.insert(visit.Result);
                } else if (!FileExistsNoCase(folder.Dir, visit.File)) {
                    missing[visit.File].Positions.insert(visit.Result);
                    missing[visit.File].Races.insert(race);
                }
            }
        if (!noDigit.empty())
            Warn(out, s.File, line,
                 (line == 0 ? std::string("the service has no [SCHOOL] line")
                            : "[SCHOOL] has no school digit at position " + List(noDigit)) +
                     ": a school throw there gets a skill-table roll instead.",
                 "write one digit for each of the six throws, as \"123456\".");
        for (const auto& [file, sent] : missing)
            Warn(out, s.File, line,
                 "the school file " + file + " is missing: a school throw of " +
                     List(sent.Positions) +
                     (sent.Races.empty() ? "" : " for race type " + List(sent.Races)) +
                     " gets a skill-table roll instead.",
                 "add " + file + " (a history line and six skill lines) or change the digit.");
    }
}

}  // namespace orrimar
