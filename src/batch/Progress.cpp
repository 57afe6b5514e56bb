#include "batch/Progress.h"

#include <cmath>
#include <cstdio>
#include <ostream>

namespace orrimar {

namespace {

std::string Duration(double seconds) {
    const long s = std::lround(seconds);
    char text[32];
    if (s >= 3600)
        std::snprintf(text, sizeof text, "%ldh%02ldm", s / 3600, s / 60 % 60);
    else if (s >= 60)
        std::snprintf(text, sizeof text, "%ldm%02lds", s / 60, s % 60);
    else
        std::snprintf(text, sizeof text, "%lds", s);
    return text;
}

}  // namespace

std::string ProgressText(long made, long matched, long wanted, bool matching, double seconds) {
    std::string text = std::to_string(made) + " made";
    if (matching)
        text += ", " + std::to_string(matched) + " of " + std::to_string(wanted) + " matched";
    else
        text += " of " + std::to_string(wanted);
    const double rate = seconds > 0 ? static_cast<double>(made) / seconds : 0;
    char perSecond[32];
    std::snprintf(perSecond, sizeof perSecond, "%.1f", rate);
    text += ", " + std::string(perSecond) + "/s";
    // What is left at the pace so far; a search with nothing found yet has no pace.
    const long done = matching ? matched : made;
    if (done > 0 && seconds > 0)
        text += ", about " +
                Duration(static_cast<double>(wanted - done) * seconds / static_cast<double>(done)) +
                " left";
    else
        text += ", time left unknown";
    return text;
}

ProgressLine::ProgressLine(std::ostream& out, bool on, long wanted, bool matching)
    : out_(out),
      on_(on),
      wanted_(wanted),
      matching_(matching),
      start_(std::chrono::steady_clock::now()),
      last_(start_) {}

void ProgressLine::Update(long made, long matched) {
    if (!on_) return;
    const auto now = std::chrono::steady_clock::now();
    std::lock_guard<std::mutex> lock(mutex_);
    if (now - last_ < std::chrono::milliseconds(250)) return;
    last_ = now;
    const double seconds = std::chrono::duration<double>(now - start_).count();
    out_ << "\r\x1b[K" << ProgressText(made, matched, wanted_, matching_, seconds) << std::flush;
    shown_ = true;
}

void ProgressLine::Erase() {
    if (!on_) return;
    std::lock_guard<std::mutex> lock(mutex_);
    if (shown_) out_ << "\r\x1b[K" << std::flush;
    shown_ = false;
}

}  // namespace orrimar
