#include <gtest/gtest.h>

#include <algorithm>

#include "model/Text.h"
#include "names/Homeworld.h"
#include "support/TestGame.h"

using namespace orrimar;

namespace {

// Two faces that add up to `sum` (2..12).
void Push2D6(TestGame& t, int sum) {
    int first = std::min(6, sum - 1);
    t.dice.Push({first, sum - first});
}

// The 2D6 totals of the seven steps; `portD6` is thrown only for port "D".
struct Throws {
    int port = 7, size = 8, atmosphere = 7, hydrographics = 8, population = 5, law = 7, tech = 7;
    int portD6 = 0;
};

std::string Homeworld(const Throws& w, int layout = 2) {
    TestGame t;
    Push2D6(t, w.port);
    if (w.portD6 > 0) t.dice.Push(w.portD6);
    Push2D6(t, w.size);
    Push2D6(t, w.atmosphere);
    Push2D6(t, w.hydrographics);
    Push2D6(t, w.population);
    Push2D6(t, w.law);
    Push2D6(t, w.tech);
    std::string text = MakeHomeworld(t.g, layout);
    EXPECT_EQ(t.dice.Left(), 0u) << "every scripted throw is used";
    return text;
}

// The word after `label` ("Port: ") up to the next comma or full stop.
std::string Word(const std::string& text, const std::string& label) {
    size_t at = text.find(label);
    if (at == std::string::npos) return "<missing>";
    at += label.size();
    size_t end = text.find_first_of(",.", at);
    return text.substr(at, end - at);
}

}  // namespace

TEST(Homeworld, OneLineAndSevenLineLayouts) {
    // Port A adds 3 to the tech throw.
    const Throws w{.port = 2, .size = 7, .hydrographics = 6, .population = 4, .tech = 2};
    EXPECT_EQ(Homeworld(w, 2),
              "Port: A, Size: Medium, Atmosphere: Standard, Hydrographics: Wet, Population: "
              "Mod, Law: Mod, Tech Level: Pre-Stellar.");
    EXPECT_EQ(Homeworld(w, 1), "Port: A" + CrLf + "Size: Medium" + CrLf + "Atmosphere: Standard" +
                                   CrLf + "Hydrographics: Wet" + CrLf + "Population: Mod" + CrLf +
                                   "Law: Mod" + CrLf + "Tech Level: Pre-Stellar" + CrLf);
    // Any other layout rolls every die and returns nothing.
    EXPECT_EQ(Homeworld(w, 0), "");
    EXPECT_EQ(Homeworld(w, 3), "");
}

struct WordCase {
    Throws throws;
    const char* label;
    const char* word;
};

TEST(Homeworld, EachTableAndItsModifiers) {
    const WordCase cases[] = {
        // Starport, and the 1D6 that only "D" throws.
        {{.port = 2}, "Port: ", "A"},
        {{.port = 6}, "Port: ", "A"},
        {{.port = 7}, "Port: ", "B"},
        {{.port = 9}, "Port: ", "B"},
        {{.port = 10}, "Port: ", "C"},
        {{.port = 11}, "Port: ", "C"},
        {{.port = 12, .portD6 = 3}, "Port: ", "D"},
        {{.port = 12, .portD6 = 4}, "Port: ", "E"},
        {{.port = 12, .portD6 = 5}, "Port: ", "E"},
        {{.port = 12, .portD6 = 6}, "Port: ", "X"},
        // An asteroid's atmosphere is at most 3 and its water at most 10.
        {{.size = 2, .atmosphere = 12}, "Atmosphere: ", "Vacuum"},
        {{.size = 2, .hydrographics = 12}, "Hydrographics: ", "Wet"},
        {{.size = 6, .atmosphere = 6}, "Atmosphere: ", "Thin"},
        {{.size = 6, .hydrographics = 3}, "Hydrographics: ", "Desert"},
        {{.size = 9, .atmosphere = 10}, "Atmosphere: ", "Dense"},
        {{.size = 9, .hydrographics = 11}, "Hydrographics: ", "Wet"},
        {{.size = 10, .atmosphere = 9}, "Atmosphere: ", "Exotic"},
        {{.size = 10, .hydrographics = 10}, "Hydrographics: ", "Waterworld"},
        // Population moves the law throw by one either way.
        {{.population = 3, .law = 3}, "Law: ", "No"},
        {{.population = 7, .law = 4}, "Law: ", "Low"},
        {{.population = 7, .law = 10}, "Law: ", "High"},
        {{.population = 8, .law = 11}, "Law: ", "Extreme"},
        // Tech: without any modifier (port X) the lowest throw is the lowest word.
        {{.port = 12, .tech = 2, .portD6 = 6}, "Tech Level: ", "Pre-inustrial"},
        {{.port = 12, .tech = 4, .portD6 = 6}, "Tech Level: ", "Industrial"},
        {{.port = 12, .tech = 9, .portD6 = 6}, "Tech Level: ", "High Stellar"},
        // Each modifier lifts a throw of 4 out of "Industrial".
        {{.port = 12, .size = 2, .tech = 4, .portD6 = 6}, "Tech Level: ", "Pre-Stellar"},
        {{.port = 12, .size = 10, .hydrographics = 10, .tech = 4, .portD6 = 6},
         "Tech Level: ",
         "Pre-Stellar"},
        {{.port = 12, .population = 3, .tech = 4, .portD6 = 6}, "Tech Level: ", "Pre-Stellar"},
        // Port A and high population: never below "Average Stellar".
        {{.port = 2, .population = 12, .tech = 2}, "Tech Level: ", "Average Stellar"},
        {{.port = 2, .population = 12, .tech = 4}, "Tech Level: ", "High Stellar"},
    };
    for (const auto& c : cases) {
        std::string text = Homeworld(c.throws);
        EXPECT_EQ(Word(text, c.label), c.word) << text;
    }
}
