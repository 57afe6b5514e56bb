// What the careers of one race and service came to, counted as they are
// played, and the figures a person reads from the count.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace orrimar {

struct Game;

// Whole-number samples kept as value -> how often, so a count merges and
// gives its quartiles exactly, in the same memory whatever the number.
struct Counts {
    std::map<int64_t, int64_t> Of;
    void Add(int64_t value, int64_t times = 1) { Of[value] += times; }
    int64_t N() const;
    double Mean() const;
    double Sd() const;                // the sample standard deviation; 0 under two samples
    double Quantile(double q) const;  // the nearest-rank quantile
};

// One number of a group: a share of its careers or a mean.
struct Figure {
    std::string Section, Name;
    enum class Kind { Share, Mean } What = Kind::Share;
    double Value = 0;  // a share 0..1, or the mean
    double Sd = 0;     // means: the sample standard deviation
    int64_t N = 0;     // the careers (shares) or samples (means) it rests on
};

// A distribution as a chart shows it: labels and the careers at each.
struct Bars {
    std::vector<std::string> Labels;
    std::vector<int64_t> Counts;
};

struct GroupTally {
    std::string Race, Service;
    int64_t Careers = 0;    // played, finished or not
    int64_t Finished = 0;   // finished and counted
    int64_t Unmatched = 0;  // finished, but not meeting the run's conditions
    int64_t Died = 0, CourtMartialled = 0, Invalided = 0, Wounded = 0, Decorated = 0;
    std::array<int64_t, 5> Outcome{};  // by OutcomeNames
    Counts Terms, Age, Cash, Benefits, Decorations;
    // Final ranks by index and the code shown for it: the lowest rank's
    // code is the character's own grade (E1, E7...), so it is counted apart.
    std::map<std::pair<int, std::string>, int64_t> Ranks;
    std::vector<std::string> StatNames;  // the race's characteristics, 1-based
    std::map<int, Counts> AgingLoss;     // characteristic -> points taken a career
    struct Skill {
        int64_t Holders = 0;
        Counts Levels;
    };
    std::map<std::string, Skill> Skills;
    std::map<std::string, int64_t> Tables, Schools;  // careers entering each
    std::map<std::string, int64_t> Problems;         // data problems met

    // Counts a played career; `finished` false counts it as played only,
    // `met` false as finished but not meeting the run's conditions.
    void Add(const Game& g, bool finished, bool met = true);
    void Merge(const GroupTally& other);
};

// How a career ended, for the stacked bar: each career in one class.
inline constexpr const char* OutcomeNames[] = {"served out unhurt", "served out wounded",
                                               "invalided out", "court-martialled",
                                               "died of old age"};

struct GroupSummary {
    std::string Race, Service;
    int64_t Careers = 0, Finished = 0, Unmatched = 0;
    std::vector<Figure> Figures;
    // Quartiles of the money and age (first, median, third).
    std::map<std::string, std::vector<double>> Quartiles;
    Bars Terms, Age, Ranks, Outcomes, Skills;  // Skills: holders of the 15 most common
    std::map<std::string, int64_t> Problems;
};

GroupSummary Summarise(const GroupTally& tally);

}  // namespace orrimar
