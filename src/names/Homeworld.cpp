// The homeworld profile: seven throws, each told as a word, with the
// earlier results shifting the later throws.
#include "names/Homeworld.h"

#include <algorithm>

#include "model/Game.h"
#include "model/Throws.h"
#include "text/Text.h"

namespace orrimar {

namespace {

int TwoDice(Game& g) {
    return RollDice(g, 2, 6);
}

}  // namespace

std::string MakeHomeworld(Game& g, int layout) {
    const ExplainTopic topic(g, "the homeworld");
    int tlDm = 0;
    int atmDm = 0;
    int hydDm = 0;
    int lawDm = 0;

    // Starport.
    static const std::string kPorts = "-AAAAABBBCCD";
    int r = std::clamp(TwoDice(g), 2, 12);
    std::string port(1, kPorts[static_cast<size_t>(r - 1)]);
    if (port == "A") tlDm = 3;
    if (port == "B") tlDm = 2;
    if (port == "C") tlDm = 1;
    if (port == "D") {
        int d = RollDice(g, 1, 6);
        if (d >= 6)
            port = "X";
        else if (d >= 4)
            port = "E";
    }

    // Size.
    std::string size;
    r = TwoDice(g);
    if (r <= 2) {
        size = "Asteroid";
        atmDm = -9;
        hydDm = -2;
        tlDm += 1;
    } else if (r <= 6) {
        size = "Small";
        atmDm = -2;
    } else if (r <= 9) {
        size = "Medium";
        atmDm = 0;
    } else {
        size = "Large";
        atmDm = 2;
        hydDm = 2;
    }

    // Atmosphere.
    std::string atmosphere;
    r = TwoDice(g) + atmDm;
    if (r <= 3)
        atmosphere = "Vacuum";
    else if (r <= 5)
        atmosphere = "Thin";
    else if (r <= 8)
        atmosphere = "Standard";
    else if (r <= 10)
        atmosphere = "Dense";
    else
        atmosphere = "Exotic";

    // Hydrographics.
    std::string hydrographics;
    r = TwoDice(g) + hydDm;
    if (r <= 3) {
        hydrographics = "Desert";
    } else if (r <= 5) {
        hydrographics = "Dry";
    } else if (r <= 11) {
        hydrographics = "Wet";
    } else {
        hydrographics = "Waterworld";
        tlDm += 1;
    }

    // Population.
    std::string population;
    r = TwoDice(g);
    if (r <= 3) {
        population = "Low";
        lawDm = -1;
        tlDm += 1;
    } else if (r <= 7) {
        population = "Mod";
        lawDm = 0;
    } else {
        population = "High";
        lawDm = 1;
        tlDm += 2;
    }

    // Law.
    std::string law;
    r = TwoDice(g) + lawDm;
    if (r <= 2)
        law = "No";
    else if (r <= 4)
        law = "Low";
    else if (r <= 9)
        law = "Mod";
    else if (r <= 11)
        law = "High";
    else
        law = "Extreme";

    // Tech level: the modifiers only ever add, so the lowest word is reachable
    // only without any of them.
    std::string tech;
    r = TwoDice(g) + tlDm;
    if (r <= 2)
        tech = "Pre-inustrial";
    else if (r <= 4)
        tech = "Industrial";
    else if (r <= 6)
        tech = "Pre-Stellar";
    else if (r <= 8)
        tech = "Average Stellar";
    else
        tech = "High Stellar";

    if (layout == 1) {
        return "Port: " + port + CrLf + "Size: " + size + CrLf + "Atmosphere: " + atmosphere +
               CrLf + "Hydrographics: " + hydrographics + CrLf + "Population: " + population +
               CrLf + "Law: " + law + CrLf + "Tech Level: " + tech + CrLf;
    }
    if (layout == 2) {
        return "Port: " + port + ", Size: " + size + ", Atmosphere: " + atmosphere +
               ", Hydrographics: " + hydrographics + ", Population: " + population +
               ", Law: " + law + ", Tech Level: " + tech + ".";
    }
    return "";
}

std::string HomeworldCodes::Profile() const {
    std::string code = Starport;
    for (int place : {Size, Atmosphere, Hydrographics, Population, Law}) code += HexDigit(place);
    return code + "-" + HexDigit(Tech);
}

std::optional<HomeworldCodes> ReadHomeworld(std::string_view text) {
    // Each step's label, what ends its word, and where its code goes.
    HomeworldCodes codes;
    const std::array<std::pair<const char*, int*>, 6> steps = {{
        {"Size: ", &codes.Size},
        {"Atmosphere: ", &codes.Atmosphere},
        {"Hydrographics: ", &codes.Hydrographics},
        {"Population: ", &codes.Population},
        {"Law: ", &codes.Law},
        {"Tech Level: ", &codes.Tech},
    }};
    const auto take = [&](std::string_view part) {
        if (!text.starts_with(part)) return false;
        text.remove_prefix(part.size());
        return true;
    };
    if (!take("Port: ") || text.empty() || std::string_view("ABCDEX").find(text[0]) == text.npos)
        return std::nullopt;
    codes.Starport = std::string(1, text[0]);
    text.remove_prefix(1);
    for (size_t step = 0; step < steps.size(); ++step) {
        if (!take(", ") || !take(steps[step].first)) return std::nullopt;
        const auto& words = HomeworldWords[step];
        const std::string_view end = step + 1 < steps.size() ? "," : ".";
        int found = -1;
        for (size_t place = 0; place < words.size() && words[place]; ++place)
            if (text.starts_with(std::string(words[place]) + std::string(end)))
                found = static_cast<int>(place);
        if (found < 0) return std::nullopt;
        *steps[step].second = found;
        take(words[static_cast<size_t>(found)]);
    }
    return text == "." ? std::optional(codes) : std::nullopt;
}

}  // namespace orrimar
