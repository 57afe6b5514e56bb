// The state the rules call global, held in one object: main() builds one,
// every test builds its own, so nothing leaks between them.
#pragma once

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "data/Character.h"
#include "data/DataCache.h"
#include "data/Race.h"
#include "data/Recipe.h"
#include "data/Service.h"
#include "data/TableStats.h"
#include "model/Dice.h"
#include "model/Models.h"
#include "model/OwnDice.h"
#include "model/PlayedRanks.h"
#include "model/SchoolFiles.h"
#include "model/Ui.h"
#include "model/ViewedUi.h"

namespace orrimar {

struct PsiTalentRecord {
    std::string Name;
    int Throw = 0;
    int RaceThrow = 0;
};

struct PrefSkillRecord {
    std::string Name;
    int Level = 0;
};

// The parts of a game, each with one owner. Functions that only read take
// the part (or record) they read, const; the rules that change several
// take the whole Game.

// The session: how the program was started, where its data is, and the
// user's standing choices (preferred skills, option sets, own dice).
struct SessionPart {
    // The whole command line as the rules test it, and what it asks of a
    // career, worked out once: "COURTMARTIAL" makes every decoration throw
    // a court martial. Both are set through SetCommandLine.
    std::string CommandLine;
    bool CourtMartialEveryYear = false;
    void SetCommandLine(std::string line) {
        CommandLine = std::move(line);
        CourtMartialEveryYear = CommandLine == "COURTMARTIAL";
    }
    double AppVersion = 0;
    std::string AppTitle;
    int TestMode = 0;
    std::string DataLoc;          // always ends in the folder separator
    std::string DataLocOverride;  // set by the terminal's --data: skips the settings file
    // The sample data installed with the program, which first use proposes;
    // set by main(), "" when there is none.
    std::string InstalledDataLoc;

    std::array<PrefSkillRecord, 21> PrefSkill{};
    // Option-set slots 1..4: the names found at start-up (the Load Option
    // Set menu) and the names on the Save Option Set window's buttons.
    std::array<std::string, 5> OptionSetMenuName{};
    std::array<bool, 5> OptionSetMenuAvailable{};
    std::array<std::string, 5> OptionSetButton{};

    // "Roll my own dice": the player's totals, asked for or from a list,
    // and what the next throw is for.
    bool OwnDice = false;
    ThrowList Throws;
    std::string ThrowPurpose;
    // The character's JSON carries the throws of each year (--explain).
    bool ThrowsInJson = false;

    // The data folder's fingerprint, and the stamp of its files it was made for.
    DataFingerprint DataPrint;
    std::string DataStamp;
};

// The rules as loaded from the data folder: the chosen race and service,
// what the loaders made of every file, and the folder-wide tables.
struct RulesPart {
    RaceRecord Race;
    ServiceRecord Service;
    // The service file as read, before any branch: each branch starts from
    // it, so a branch never inherits what another branch read.
    // Shared with the cache, never changed: a character copies the service
    // it plays, not the file as read.
    std::shared_ptr<const ServiceRecord> ServiceAsLoaded = std::make_shared<const ServiceRecord>();
    // What the loaders made of each data file, while the file is unchanged.
    struct Loaded {
        FileCache<RaceRecord> Races;
        FileCache<std::vector<ListEntry>> ServiceLists;
        FileCache<std::shared_ptr<const ServiceRecord>> Services;
        FileCache<std::vector<BranchEntry>> BranchLists;
        FileCache<ServiceRecord> Branches;  // read over the service as loaded
        // A batch reads its folder once: files are not looked at again
        // between characters (no file times, no case-blind name searches).
        bool Settled = false;
        std::map<std::string, std::string> Resolved;  // file names as found, when settled
        std::map<std::string, SchoolFileRead> Schools;
    } Cache;
    CountedLines<250> StdCascade;
    std::array<std::string, 37> Coyns{};
    // The talents and their throws; how far each was learned belongs to
    // the career and is cleared with every new character.
    std::array<PsiTalentRecord, 7> PsiTalent{};
    std::array<std::string, 6> ClearanceCode{};
    // What a skill roll tests of the race's names in the service's and the
    // branch's tables: made again whenever Service is written (a race
    // chosen is followed by a branch).
    TableStats StatsNamed;
    void NameStatsInTables() { StatsNamed = NamedInTables(Race, Service); }
};

struct CareerWatch;
class ThrowLog;

// What the year being played settled that the driver and later rules act
// on, kept as facts rather than read back from the window or the history.
struct YearOutcome {
    // Badly wounded, and the character accepted being invalided out: the
    // career ends with this year, on the higher pension.
    bool Invalided = false;
    bool CourtMartialled = false;
    int Sentence = 0;  // the sentence thrown, when court-martialled
    // From this sentence on, jail years or death end the career.
    static constexpr int JailSentence = 5;
    bool EndsCareer() const { return Invalided || (CourtMartialled && Sentence >= JailSentence); }
};

// The character and its career: what a career writes, and what it needs to
// be made again.
struct CareerPart {
    CharacterRecord Character;
    CharacterRecord BlankCharacter;
    CharacterRecord StartCharacter;

    // The last year resolved; cleared when the next one is.
    YearOutcome Year;
    // The re-enlistment throw at the end of the last term fell short.
    bool ReenlistFailed = false;

    // How the character was made beside its throws: the Vilani blood marked
    // in the main window's menu (an index of MainWindowModel::VilaniCaptions),
    // which counts while the race offers it, and "E" once the
    // characteristics were typed in.
    bool VilaniOffered = false;
    int VilaniLevel = 0;
    std::string HandEntered;

    // What the career made of the service's [PLUSEDU] offers since the
    // service was chosen (CourseOffer): 0 where the service's digit stands,
    // 1 offered again, 2 taken in place of a special assignment.
    std::array<int, 11> CourseMark{};

    // A merchant's rank 0 code (RankCodeOf): "En" when the service is
    // chosen and the career starts, then "E" and the term as the term
    // window shows each term.
    std::string MerchantRankZero{MerchantRankZeroCode};
    // The psionic talents this character has tried (1), each only once.
    std::array<int, 7> PsiTried{};
    // The ranks of a race whose rank is its term count, written by the term
    // window's settling (ShowCharacter); cleared when a service or branch
    // is read again, as its table would be.
    WrittenRanks TermRanks;

    // Set by NextYear when a career would run past the record's tables
    // (term 100, year 20); the driver then musters the character out.
    bool CareerFull = false;

    // The finished character was written to a page or JSON file since its
    // career began: leaving the program no longer loses it.
    bool Saved = false;

    // Data problems the rules met in play, for a batch to report.
    std::vector<std::string> ProblemsMet;

    // What statistics count in a career that the record does not keep:
    // set only by them, so every other career pays one test of a null.
    CareerWatch* Watch = nullptr;

    // Where every throw is explained (model/Throws.h), when anyone asked:
    // the term window and --explain; null otherwise, and nothing is built.
    ThrowLog* Explain = nullptr;

    // The career being played, as it can be made again: recorded from
    // "Accept" to the end of the career.
    CareerRecipe Recipe;
    bool Recording = false;
    std::string RecordedSettings;  // the options last recorded with the answers
};

// The windows: the main window's lists and every window model.
struct WindowsPart {
    ChoiceList RaceList;
    ChoiceList ServiceList;
    ChoiceList BranchList;
    MainWindowModel Form1;
    TermWindowModel TermWindow;
    SkillTableChooserModel Form2;
    PickListModel Slist1;
};

// Everything of a game but the face and the dice it uses, each part held
// by name, so every use says which part it reads or changes. The rules are
// read-only to everyone but the loaders, who write them through
// `LoadedRules`.
struct GameState {
    GameState() = default;
    GameState(const GameState& other)
        : session(other.session),
          loaded_(other.loaded_),
          career(other.career),
          windows(other.windows) {}
    GameState& operator=(const GameState& other) {
        session = other.session;
        loaded_ = other.loaded_;
        career = other.career;
        windows = other.windows;
        return *this;
    }

    SessionPart session;

  private:
    RulesPart loaded_;
    friend RulesPart& LoadedRules(GameState& g);

  public:
    const RulesPart& rules{loaded_};
    CareerPart career;
    WindowsPart windows;
};

// The rules for the code that loads them: choosing a race, a service or a
// branch, reading the data folder, putting a service back.
inline RulesPart& LoadedRules(GameState& g) {
    return g.loaded_;
}

struct Game : GameState {
    Game(Ui& face, Dice& dice) : viewed(face, *this), ui(viewed), dice(dice) {}
    // A copy asks the same face through a view of its own.
    Game(const Game& other)
        : GameState(other), viewed(other.viewed.Face(), *this), ui(viewed), dice(other.dice) {}
    Game& operator=(const Game&) = delete;

    // The engine asks through `ui`, which brings the term window's view up
    // to date before the face (`viewed.Face()`) shows anything.
    ViewedUi viewed;
    Ui& ui;
    Dice& dice;
};

// Course k's offer in place of a special assignment: 1 offered, 2 taken.
inline int CourseOffer(const GameState& g, int k) {
    return g.career.CourseMark[k] != 0 ? g.career.CourseMark[k] : g.rules.Service.PlusEdu[k];
}

// The rank table of the service played, as the career has it.
inline PlayedRanks RanksOf(const RulesPart& rules, const CareerPart& career) {
    return {rules.Service, career.MerchantRankZero, career.TermRanks};
}
inline PlayedRanks RanksOf(const GameState& g) {
    return RanksOf(g.rules, g.career);
}
// The code and name of `rank` (0..MaxRanks), and the highest rank, in the
// service played.
inline const std::string& RankCodeOf(const GameState& g, int rank) {
    return RanksOf(g).Code(rank);
}
inline const std::string& RankNameOf(const GameState& g, int rank) {
    return RanksOf(g).Name(rank);
}
inline int TopRankOf(const GameState& g) {
    return RanksOf(g).Top();
}
// Sets the character's rank, kept within 0..MaxRank.
inline void SetRank(CareerPart& career, int rank) {
    career.Character.Rank = static_cast<int16_t>(std::clamp(rank, 0, CharacterRecord::MaxRank));
}

// The race's chance of chancing on psionic training, a code the term's
// test reads ("S", "R", ...; blank for none). Race 8 comes to its own
// strength otherwise: its "L" is a test never met.
inline std::string_view PsionicChance(const GameState& g) {
    // Two returns: a conditional would make a temporary string to view.
    if (g.rules.Race.Code == RaceDroyne) return "L";
    return g.rules.Race.Psionic;
}

// The character's characteristics: the race's own, then PSI once psionic
// training added it. Readers of the character's values count and name them
// here; the race record keeps only what its file says.
inline int StatCount(const GameState& g) {
    return g.rules.Race.NumStats + (g.career.Character.PsiStatAdded ? 1 : 0);
}
inline const std::string& StatName(const GameState& g, int i) {
    static const std::string psi(AddedPsiStat);
    if (g.career.Character.PsiStatAdded && i == g.rules.Race.NumStats + 1) return psi;
    return g.rules.Race.StatName[static_cast<size_t>(i)];
}

// The dice sum the rules call RollDice(count, sides); count <= 0 gives 0.
int RollDice(Game& g, int count, int sides);

// What the next throw is for (KeepThrowPurpose, model/OwnDice.h); with the
// program throwing and nothing explained, a test and nothing more.
inline void ThrowFor(Game& g, std::string_view purpose, std::string_view name = {},
                     int target = 0) {
    if (g.session.OwnDice || g.career.Explain) [[unlikely]]
        KeepThrowPurpose(g, purpose, name, target);
}

}  // namespace orrimar
