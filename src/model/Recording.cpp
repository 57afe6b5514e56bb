#include "model/Recording.h"

#include <nlohmann/json.hpp>

#include "data/Fingerprint.h"
#include "model/Game.h"
#include "text/Encoding.h"
#include "text/Text.h"

namespace orrimar {

using nlohmann::json;

void BeginRecipe(Game& g) {
    CareerRecipe& r = g.career.Recipe;
    r = CareerRecipe{};
    g.career.Saved = false;
    r.Made = CareerRecipe::Kind::Interactive;
    if (const auto seed = g.dice.FreshSeed()) {
        r.Seeded = true;
        r.Seed = *seed;
    }
    // The folder is read again only when a rule file changed since.
    if (std::string stamp = RuleFilesStamp(g.session.DataLoc); stamp != g.session.DataStamp) {
        g.session.DataPrint = FingerprintFolder(g.session.DataLoc);
        g.session.DataStamp = std::move(stamp);
    }
    r.Data = g.session.DataPrint;
    r.CommandLine = g.session.CommandLine;
    g.career.ProblemsMet.clear();
    if (const auto* e = g.windows.RaceList.Current()) r.RaceKey = e->Key;
    if (const auto* e = g.windows.ServiceList.Current()) r.ServiceKey = e->Key;
    if (const auto* e = g.windows.BranchList.Current()) r.BranchKey = e->Key;
    r.Start = g.career.Character;
    r.VilaniLevel = g.career.VilaniLevel;
    r.HandEntered = g.career.HandEntered;
    g.career.Recording = true;
    g.career.RecordedSettings = r.Settings = SettingsText(g);
}

std::string SettingsText(const Game& g) {
    json options = json::array();
    for (int16_t value : g.career.Character.Options) options.push_back(value);
    json preferred = json::array();
    for (size_t i = 1; i < g.session.PrefSkill.size(); ++i)
        preferred.push_back(
            {Latin1ToUtf8(g.session.PrefSkill[i].Name), g.session.PrefSkill[i].Level});
    return json{{"options", options}, {"preferred", preferred}, {"ownDice", g.session.OwnDice}}
        .dump(-1, ' ', true);
}

bool ApplySettingsText(Game& g, const std::string& text) {
    const json j = json::parse(text, nullptr, false);
    if (!j.is_object()) return false;
    try {
        const auto& options = j.at("options");
        const auto& preferred = j.at("preferred");
        if (options.size() != g.career.Character.Options.size() ||
            preferred.size() + 1 != g.session.PrefSkill.size())
            return false;
        // Whole numbers only: a fraction read as one is undefined.
        for (size_t i = 0; i < options.size(); ++i) {
            if (!options[i].is_number_integer()) return false;
            g.career.Character.Options[i] = options[i].get<int16_t>();
        }
        for (size_t i = 0; i < preferred.size(); ++i) {
            if (!preferred[i].at(1).is_number_integer()) return false;
            g.session.PrefSkill[i + 1].Name = Utf8ToLatin1(preferred[i].at(0).get<std::string>());
            g.session.PrefSkill[i + 1].Level = preferred[i].at(1).get<int>();
        }
        g.session.OwnDice = j.at("ownDice").get<bool>();
    } catch (const json::exception&) {
        return false;
    }
    return true;
}

void RecordAnswer(Game& g, const std::string& kind, const std::string& answer) {
    if (!g.career.Recording || g.career.Recipe.Made != CareerRecipe::Kind::Interactive) return;
    std::string settings = SettingsText(g);
    if (settings != g.career.RecordedSettings) {
        g.career.Recipe.Answers.emplace_back("settings", settings);
        g.career.RecordedSettings = std::move(settings);
    }
    g.career.Recipe.Answers.emplace_back(kind, answer);
}

std::string PickListAnswer(const PickListModel& list) {
    std::string text;
    for (size_t i = 0; i < list.Selected.size(); ++i) {
        if (!list.Selected[i]) continue;
        if (!text.empty()) text += ",";
        text += std::to_string(i);
    }
    return text + "|" + std::to_string(list.Current);
}

bool ApplyPickListAnswer(PickListModel& list, const std::string& answer) {
    const size_t bar = answer.find('|');
    if (bar == std::string::npos) return false;
    const int rows = static_cast<int>(list.Items.size());
    list.Selected.assign(list.Items.size(), false);
    for (const std::string& row : Split(answer.substr(0, bar), ',')) {
        if (row.empty()) continue;
        const int k = ValInt(row);
        if (k < 0 || k >= rows) return false;
        list.Selected[static_cast<size_t>(k)] = true;
    }
    list.Current = ValInt(answer.substr(bar + 1));
    return list.Current >= -1 && list.Current < rows;
}

}  // namespace orrimar
