#pragma once

namespace orrimar {

struct Game;

// Between terms: change service (with "Allow any transfer") and branch.
void TransferService(Game& g);

}  // namespace orrimar
