// The line a long batch or search keeps up to date on a terminal's
// standard error: characters made, matched, the rate and the time left.
#pragma once

#include <chrono>
#include <iosfwd>
#include <mutex>
#include <string>

namespace orrimar {

// The line's text. `wanted` characters are asked; with `matching`, only
// those meeting --where count towards them.
std::string ProgressText(long made, long matched, long wanted, bool matching, double seconds);

class ProgressLine {
  public:
    // Shows nothing unless `on`.
    ProgressLine(std::ostream& out, bool on, long wanted, bool matching);
    // Redrawn at most a few times a second.
    void Update(long made, long matched);
    // Takes the line away, before a message or at the end.
    void Erase();

  private:
    std::ostream& out_;
    bool on_;
    long wanted_;
    bool matching_;
    bool shown_ = false;
    std::chrono::steady_clock::time_point start_, last_;
    std::mutex mutex_;
};

}  // namespace orrimar
