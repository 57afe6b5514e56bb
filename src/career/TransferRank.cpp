#include "career/TransferRank.h"

#include <algorithm>
#include <vector>

#include "model/Display.h"
#include "model/Game.h"
#include "text/Text.h"

namespace orrimar {

namespace {

// 'O' for an officer rank, 'E' for any other: the first letter of the code,
// or for a rank without a code the rules' test (officers are above 9).
char Side(const PlayedRanks& s, int rank) {
    const std::string code = Trim(s.Code(rank));
    if (!code.empty()) return code[0] == 'O' ? 'O' : 'E';
    return rank > 9 ? 'O' : 'E';
}

int TopRank(const PlayedRanks& s) {
    return std::clamp(s.Top(), 0, CharacterRecord::MaxRank);
}

// The ranks of `s` on `side` that have a code, lowest first.
std::vector<int> RanksOnSide(const PlayedRanks& s, char side) {
    std::vector<int> ranks;
    for (int k = 0; k <= TopRank(s); ++k)
        if (!IsBlank(s.Code(k)) && Side(s, k) == side) ranks.push_back(k);
    return ranks;
}

}  // namespace

int TransferredRank(const PlayedRanks& from, int rank, const PlayedRanks& to) {
    rank = std::clamp(rank, 0, CharacterRecord::MaxRank);
    const char side = Side(from, rank);
    const std::vector<int> same = RanksOnSide(to, side);
    if (std::find(same.begin(), same.end(), rank) != same.end()) return rank;

    if (same.empty()) {
        const std::vector<int> other = RanksOnSide(to, side == 'O' ? 'E' : 'O');
        if (other.empty()) return std::min(rank, TopRank(to));
        return side == 'O' ? other.back() : other.front();
    }
    // The grade: how many ranks of this side the old service has up to it.
    const std::vector<int> held = RanksOnSide(from, side);
    const auto grade = std::upper_bound(held.begin(), held.end(), rank) - held.begin();
    const size_t index = static_cast<size_t>(std::max<std::ptrdiff_t>(grade, 1)) - 1;
    return same[std::min(index, same.size() - 1)];
}

void TransferRank(Game& g, const PlayedRanks& from) {
    auto& c = g.career.Character;
    const PlayedRanks to = RanksOf(g);
    const int rank = TransferredRank(from, c.Rank, to);
    // A merchant officer holds a commission; the exams need it.
    if (g.rules.Service.Type.Kind == ServiceKind::Merchant && Side(to, rank) == 'O')
        c.Commissioned = 1;
    if (rank == c.Rank && Trim(from.Code(rank)) == Trim(to.Code(rank))) return;
    c.Rank = static_cast<int16_t>(rank);
    AddHistory(g, "Rank now " + Trim(to.Code(rank)));
}

}  // namespace orrimar
