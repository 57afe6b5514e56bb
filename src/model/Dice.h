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
    int Sum(int count, int sides) {
        int sum = 0;
        for (int i = 0; i < count; ++i) sum += Roll(sides);
        return sum;
    }
    // Starts a fresh sequence that can be made again and returns its seed;
    // nothing for dice whose throws cannot be repeated.
    virtual std::optional<uint64_t> FreshSeed() { return std::nullopt; }
};

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
class SeededDice : public Dice {
  public:
    explicit SeededDice(uint64_t seed) : engine_(seed) {}
    int Roll(int sides) override;
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

}  // namespace orrimar
