#include "batch/InOrder.h"

#include <algorithm>
#include <ostream>
#include <utility>

#include "batch/BatchOutput.h"
#include "batch/Progress.h"
#include "text/Files.h"

namespace orrimar {

InOrder::InOrder(std::ostream& log, ScratchFile* notes, std::vector<BatchOutput*> outputs,
                 ProgressLine& progress)
    : log_(log), notes_(notes), outputs_(std::move(outputs)), progress_(progress) {}

void InOrder::Put(int n, Said said) {
    std::lock_guard<std::mutex> lock(mutex_);
    pending_[n] = std::move(said);
    for (auto it = pending_.find(next_); it != pending_.end(); it = pending_.find(next_)) {
        if (!stopped_) Write(it->second);
        stopped_ = stopped_ || it->second.Stops;
        pending_.erase(it);
        ++next_;
    }
}

bool InOrder::Refused() const {
    return std::any_of(outputs_.begin(), outputs_.end(),
                       [](const BatchOutput* output) { return output->Refused(); });
}

void InOrder::Write(const Said& said) {
    if (!said.Message.empty() || !said.Notes.empty()) progress_.Erase();
    if (!said.Explained.empty()) log_ << said.Explained;
    if (!said.Message.empty()) log_ << said.Message << "\n";
    for (const auto& note : said.Notes) {
        log_ << note << "\n";
        if (notes_) {
            notes_->Write(note);
            notes_->Write("\n");
        }
    }
    for (size_t i = 0; i < said.Texts.size() && i < outputs_.size(); ++i)
        outputs_[i]->Add(said.Texts[i]);
}

}  // namespace orrimar
