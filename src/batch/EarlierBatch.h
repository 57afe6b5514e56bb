// A folder that already holds a batch is not written over unasked: its
// index would lose the earlier characters while their pages stayed.
#pragma once

#include <string>

namespace orrimar {

// Whether a file name is one a batch writes: index.htm, index.csv,
// cards.htm, batch.log, or a page or JSON file numbered as BatchPageName
// numbers them.
bool IsBatchFileName(const std::string& name);

// "" when `folder` holds no batch (no index.htm or batch.log), or held one
// and `replace` removed its files (nothing else in the folder is touched);
// else why the batch may not go there.
std::string ClearEarlierBatch(const std::string& folder, bool replace);

}  // namespace orrimar
