// Choosing a service and a branch: their lists, and the records loaded
// when an entry is chosen.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "data/Service.h"
#include "model/Models.h"
#include "model/PlayedRanks.h"

namespace orrimar {

struct Game;
struct GameState;

// The branch list filled from the chosen service's file.
void ListBranches(Game& g);
// The service and branch lists' selection handlers. False when the file
// was refused (the user has been told why and the loaded record is as it
// was).
bool SelectService(Game& g, int index);
bool SelectBranch(Game& g, int index);
// For a caller that chooses the branch straight after (a batch): the
// service is loaded and its branches listed, but the record is left for the
// branch to write whole, and no branch is chosen for it; the branch is
// then chosen with SelectBranchOfNewService. The character comes out as
// SelectService then SelectBranch make it.
bool SelectServiceForBranch(Game& g, int index);
bool SelectBranchOfNewService(Game& g, int index);

// The service played and what the career made of it, as a transfer keeps
// them to put back when the new service's branch is never chosen.
struct ServiceInPlay {
    ServiceRecord Service;
    std::shared_ptr<const ServiceRecord> AsLoaded;
    std::array<int, 11> CourseMark{};
    std::string MerchantRankZero;
    WrittenRanks TermRanks;
    int ServiceIndex = -1;
    ChoiceList Branches;
    PlayedRanks Ranks() const { return {Service, MerchantRankZero, TermRanks}; }
};
ServiceInPlay KeepServiceInPlay(const GameState& g);
void PutServiceBack(GameState& g, const ServiceInPlay& kept);

}  // namespace orrimar
