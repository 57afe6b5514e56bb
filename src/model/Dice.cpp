#include "model/Dice.h"

#include <chrono>

namespace orrimar {

uint64_t UnchosenSeed() {
    std::random_device entropy;
    const uint64_t high = entropy(), low = entropy();
    return ((high << 32) | low) ^
           static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

ClockDice::ClockDice() : engine_(UnchosenSeed()) {}

int ClockDice::Roll(int sides) {
    using namespace std::chrono;
    auto now = system_clock::now().time_since_epoch();
    auto secondsToday = duration_cast<seconds>(now).count() % 86400;
    // Mix, never reset: the running state absorbs the clock reading.
    engine_.seed(engine_() ^ (static_cast<uint64_t>(secondsToday) * 0x9E3779B97F4A7C15ULL));
    return UniformRoll(engine_, sides);
}

std::optional<uint64_t> SeededDice::FreshSeed() {
    // Drawn from the running sequence, so a session started from a chosen
    // seed stays repeatable; kept within 53 bits, so it stays exact in any
    // JSON reader.
    const uint64_t seed = engine_() & ((uint64_t{1} << 53) - 1);
    Reseed(seed);
    return seed;
}

}  // namespace orrimar
