// The special-assignment families against the sample data: every skill,
// cascade, characteristic and school file their tables hand out exists for
// the races that join those services, so a special year never ends in a
// data message.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "career/Specials.h"
#include "model/Text.h"
#include "startup/Service.h"
#include "support/TestGame.h"

using namespace orrimar;

namespace {

struct Career {
    const char* race;
    const char* service;
};

// Race display texts and service display texts as the sample lists them.
const Career Careers[] = {
    {"Imperial", "Police"},
    {"Imperial", "IRIS"},
    {"Imperial", "Ministry of Justice"},
    {"Zhodani", "Police"},
    {"Concord", "Civic Police"},
    {"Concord", "Party"},
    {"Concord", "State Security"},
    {"Tarrenai", "Police"},
    {"Tarrenai", "Allied Forces: Planetary"},
    {"Aslan male", "Clan Enforcers"},
    {"Aslan female", "Clan Magistracy"},
    {"Aslan male", "Clan Military"},
    {"Aslan female", "Clan Military"},
    {"Aslan male", "Clan Space"},
    {"Aslan female", "Clan Space"},
    {"Aslan male", "Merchant"},
    {"Aslan female", "Merchant"},
    {"Dominion", "Dominion Army"},
    {"Dominion", "Dominion Navy"},
    {"Dominion", "Allied Forces"},
    {"Chelith", "Allied Forces: Space"},
    {"Covenanters", "Allied Forces: Space"},
    {"Lysithi", "IRIS"},
};

TEST(SpecialsSampleData, EveryFamilyYearWithoutADataMessage) {
    for (const auto& career : Careers) {
        SCOPED_TRACE(std::string(career.race) + " / " + career.service);
        TestGame t;
        t.LoadData(SampleDataDir());
        t.Pick(career.race, career.service);
        SelectBranch(t.g, 0);
        t.dice.SetFallback(true);
        auto& c = t.g.Character;
        c.Options[OptAutoGen] = OptOn;
        for (int i = 1; i <= t.g.Race.NumStats; ++i) c.Stats[i] = 7;
        c.CurTerm = 1;
        c.CurLine = 1;
        const CharacterRecord start = c;
        int logged = 0;
        for (int year = 0; year < 150; ++year) {
            c = start;
            // Every rank, and (for the families it steers) every standing.
            c.Rank = static_cast<int16_t>(year % (t.g.Service.MaxRank + 1));
            c.Stats[6] = static_cast<int16_t>(1 + year % 6);
            SpecialAssignment(t.g);
            for (const auto& m : t.ui.messages)
                EXPECT_TRUE(StartsWith(m, "Transfer to branch ")) << m;
            t.ui.messages.clear();
            if (!Trim(c.TermLog[1].Lines[1]).empty()) ++logged;
        }
        EXPECT_GT(logged, 100) << "years with a history line";
    }
}

}  // namespace
