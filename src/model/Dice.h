// The one source of randomness. The program rolls through a Dice object so
// a run can be fixed by a seed (the faces pick one for every career, so it
// can be made again), clock-mixed, or scripted die by die (tests).
#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <vector>

namespace orrimar {

class Dice {
  public:
    virtual ~Dice() = default;
    // One die: a uniform whole number 1..sides (sides >= 1).
    virtual int Roll(int sides) = 0;
    // `count` dice of `sides` added up; count <= 0 gives 0.
    int Sum(int count, int sides);
    // Starts a fresh sequence that can be made again and returns its seed;
    // nothing for dice whose throws cannot be repeated.
    virtual std::optional<uint64_t> FreshSeed() { return std::nullopt; }

  protected:
    // These are SeededDice: a career's hundreds of throws go to them
    // directly, not through a virtual call each.
    bool seeded_ = false;
};

// One die of `sides` (>= 1) from the engine.
inline int UniformRoll(std::mt19937_64& engine, int sides) {
    if (sides < 1) return 1;
    std::uniform_int_distribution<int> dist(1, sides);
    return dist(engine);
}

// A seed nobody chose: the system's entropy mixed with the clock.
uint64_t UnchosenSeed();

// Mixes the clock into its running state on every throw, so the same clock
// reading never restarts a sequence and throws stay independent.
class ClockDice : public Dice {
  public:
    ClockDice();
    int Roll(int sides) override;

  private:
    std::mt19937_64 engine_;
};

// The same seed gives the same throws.
class SeededDice final : public Dice {
  public:
    explicit SeededDice(uint64_t seed) : engine_(seed) { seeded_ = true; }
    int Roll(int sides) override {
        ++thrown_;
        if (sizes_) sizes_->push_back(sides);
        return UniformRoll(engine_, sides);
    }
    void Reseed(uint64_t seed) { engine_.seed(seed); }
    std::optional<uint64_t> FreshSeed() override;
    // How many dice were thrown since the start (for measuring).
    uint64_t Thrown() const { return thrown_; }
    // While given, the size of every die thrown is added to `sizes`, so a
    // measurement can throw the same dice again; nullptr stops it.
    void KeepSizes(std::vector<int>* sizes) { sizes_ = sizes; }

  private:
    std::mt19937_64 engine_;
    uint64_t thrown_ = 0;
    std::vector<int>* sizes_ = nullptr;
};

inline int Dice::Sum(int count, int sides) {
    int sum = 0;
    if (seeded_) {
        auto& seeded = static_cast<SeededDice&>(*this);
        for (int i = 0; i < count; ++i) sum += seeded.SeededDice::Roll(sides);
        return sum;
    }
    for (int i = 0; i < count; ++i) sum += Roll(sides);
    return sum;
}

}  // namespace orrimar
