#include "career/Transfer.h"

namespace orrimar {

// Transfers are not played yet: "Transfer and re-enlist" re-enlists.
void TransferService(Game&) {}

}  // namespace orrimar
