#include "model/Dice.h"

#include <chrono>

namespace orrimar {

namespace {
int Uniform(std::mt19937_64& engine, int sides) {
    if (sides < 1) return 1;
    std::uniform_int_distribution<int> dist(1, sides);
    return dist(engine);
}
}  // namespace

ClockDice::ClockDice()
    : engine_(std::random_device{}() ^
              static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count())) {}

int ClockDice::Roll(int sides) {
    using namespace std::chrono;
    auto now = system_clock::now().time_since_epoch();
    auto secondsToday = duration_cast<seconds>(now).count() % 86400;
    // Mix, never reset: the running state absorbs the clock reading.
    engine_.seed(engine_() ^ (static_cast<uint64_t>(secondsToday) * 0x9E3779B97F4A7C15ULL));
    return Uniform(engine_, sides);
}

int SeededDice::Roll(int sides) {
    ++thrown_;
    return Uniform(engine_, sides);
}

}  // namespace orrimar
