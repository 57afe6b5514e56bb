#include "batch/BatchStop.h"

#include <atomic>
#include <csignal>

namespace orrimar {

namespace {

// Lock-free, so a handler may store to it.
std::atomic<int> stopSignal{0};
static_assert(std::atomic<int>::is_always_lock_free);

extern "C" void OnStopSignal(int signal) {
    RequestBatchStop(signal);
}

}  // namespace

void StopBatchOnSignals() {
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    // A write the signal interrupts goes on: no page is left half-written.
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

int BatchStopSignal() {
    return stopSignal.load(std::memory_order_relaxed);
}

void RequestBatchStop(int signal) {
    int none = 0;
    // The first signal names the stop.
    stopSignal.compare_exchange_strong(none, signal, std::memory_order_relaxed);
}

}  // namespace orrimar
