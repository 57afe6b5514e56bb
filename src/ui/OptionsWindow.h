// Form4 (options), Form5 (preferred skills) and Form6 (save option set):
// their models and what their buttons do. Both faces render these.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "data/Character.h"
#include "model/Models.h"
#include "model/OptionCaptions.h"

namespace orrimar {

struct Game;
struct RulesPart;
struct SessionPart;
struct CareerPart;

// Form4. Boxes 0..12 carry Options(1..13); box 13 carries the spare flag
// Options(14). Box 14, "Roll my own dice", is a setting of the session, not
// of the character: it is not in the option array, so option sets do not
// carry it. Box 15 carries nothing: slot 15 of the option array holds
// RankCap, which a tick box must never overwrite.
struct OptionsWindowModel {
    static constexpr int Boxes = OptionBoxes;
    static constexpr int CapRankBox = OptCapRank - 1;
    static constexpr int OwnDiceBox = 14;
    std::array<bool, Boxes> Checked{};
    std::vector<std::string> RankList;  // List1: one entry per rank 1..MaxRank
    int RankSelected = -1;
    bool RankListVisible = false;
    // A cap kept (from an option set) beyond this service's ranks: said,
    // since no entry of the list can show it; "" otherwise.
    std::string RankNote;
};

inline constexpr const char* RankListCaption = "Cap at rank:";
inline constexpr const char* NoServiceRanks =
    "No service chosen yet: the ranks to cap at are those of the service and branch chosen "
    "in the main window.";

inline constexpr const char* NoRankCapMessage =
    "Rank Capping option selected but no maximum rank selected. Capping has been turned off!";
inline constexpr const char* NoServiceRankMessage =
    "You must choose a service and branch before setting Rank Cap options";

// ShowOptions before the window opens: the boxes from the flags, the rank
// list from the loaded service, and the rank-cap check with its message.
OptionsWindowModel PrepareOptions(Game& g);
// Ticking or unticking box 0..15.
void OptionsTick(Game& g, OptionsWindowModel& m, int box, bool checked);
// Selecting rank-list entry p (0 for the first).
void OptionsSelectRank(CareerPart& career, OptionsWindowModel& m, int position);
// "Done": the character display follows the new options.
void OptionsDone(Game& g);
// "Preferred skills" and "Option Sets": the two windows, modally.
void OptionsPreferredSkills(Game& g);
void OptionsOptionSets(Game& g);

// Form5.
enum class PanelMode { None, Add, Edit };
struct PreferredSkillsModel {
    std::vector<TaggedItem> List;  // "name-level", tagged with the entry number
    int Selected = -1;
    PanelMode Mode = PanelMode::None;  // the panel shows while a mode is set
    int EditEntry = 0;
    std::string Name;   // the panel's name field
    std::string Level;  // the panel's level field
    std::vector<std::string> Suggestions;
};

inline constexpr const char* PreferredFrameCaption = "Preferred casade results";
inline constexpr const char* PreferredIntro =
    "This facility allows the nomination of a list of skills you particularly want the "
    "character to have. If a cascade comes up for splitting that contains one of these skills "
    "and the requested level han't been reached, the skill is automatically chosen (or "
    "suggested if AutoGen is off)";
inline constexpr const char* PreferredListCaption = "Skills requested";
inline constexpr const char* PreferredPanelText =
    "As you type the skill name, Orrimar will try and match it from the cascades loaded for "
    "this career";
inline constexpr const char* PreferredPanelCaption = "Add a skill";
inline constexpr const char* PreferredListFull =
    "All 20 preferred skills are in use; delete one before adding another.";

void FillPreferredList(const SessionPart& session, PreferredSkillsModel& m);
void PreferredAdd(PreferredSkillsModel& m);
// Without a selected line these do nothing.
void PreferredEdit(const SessionPart& session, PreferredSkillsModel& m);
void PreferredDelete(SessionPart& session, PreferredSkillsModel& m);
void PreferredPlus(PreferredSkillsModel& m);
void PreferredMinus(PreferredSkillsModel& m);
void PreferredOk(Game& g, PreferredSkillsModel& m);
void PreferredCancel(PreferredSkillsModel& m);
// Each change of the name field: rebuilds the suggestion list.
void PreferredNameTyped(const RulesPart& rules, PreferredSkillsModel& m, const std::string& name);
// Picking suggestion i (0 for the first): takes it as the name, then OK.
void PreferredPickSuggestion(Game& g, PreferredSkillsModel& m, int index);
// The cascade texts that match a typed name, from the first 10 service and
// race cascade lines and the standard lines 1..250, each text once.
std::vector<std::string> SkillSuggestions(const RulesPart& rules, const std::string& name);

// Form6.
inline constexpr const char* SaveOptionSetCaption = "Save Option Set";
inline constexpr std::array<const char*, 3> SaveOptionSetTexts = {
    "Option Sets allows you to save the current settings on the Options checkbox screen, plus "
    "the current Preferred Skills settings. You can then reload these with one click.",
    "Click one of the buttons to save the current values to that slot. You load sets back from "
    "the main character stat rolling screen.",
    "If you save a set called \"Default\", it will automatically be loaded when Orrimar starts."};
// A slot button's caption: the set's name, "(empty slot)" where no set is
// saved, "(no name)" for a set saved without one.
std::string OptionSetSlotCaption(const SessionPart& session, int slot);

}  // namespace orrimar
