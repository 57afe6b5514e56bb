// The special-assignment tables checked as data, without playing them:
// every table a family's first table leads to, taken with the throw it is
// applied with, and what each result of that throw may lead to. Conditions
// on the character are taken as possibly holding or failing (the race type
// alone can be known), so a fault found here can happen in play.
#pragma once

#include <string>
#include <vector>

#include "career/specials/FamilyTable.h"
#include "data/SchoolDigits.h"

namespace orrimar::specials {

struct TableFault {
    enum class Kind {
        Gap,      // results no row takes, or only rows that may all fail
        Trap,     // tables leading into each other that no throw leaves
        TooDeep,  // a chain longer than play follows (MaxDepth)
    };
    Kind What = Kind::Gap;
    std::string Table;  // the table where it is found
    std::string Text;   // what is wrong, to follow the table's name
};

// Every fault of the tables `root` leads to. A chain that goes round a
// cycle some throw leaves is no fault, however long it may grow: play cuts
// it short at MaxDepth; each table of such a cycle counts once.
std::vector<TableFault> CheckTables(const SpecialTable& root);

// A school a table may send a character to: the result thrown and the
// file ("" when the [SCHOOL] line has no school digit for that result).
struct SchoolVisit {
    int Result = 0;
    std::string File;
};
// Every school `table`, and the tables its rows lead to, may send a
// character of race type `race` to, given the service's [SCHOOL] line.
std::vector<SchoolVisit> SchoolsOf(const SpecialTable& table, int race, const SchoolDigits& school);

}  // namespace orrimar::specials
