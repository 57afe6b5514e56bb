// Stopping a batch from outside: SIGINT or SIGTERM only raise a flag, which
// the batch reads between characters, so what it has begun it finishes.
#pragma once

namespace orrimar {

// Installs the handlers (the terminal program does, for a batch).
void StopBatchOnSignals();
// 0, or the signal that asked the batch to stop.
int BatchStopSignal();
// What the handlers do; safe in a signal handler.
void RequestBatchStop(int signal);

}  // namespace orrimar
