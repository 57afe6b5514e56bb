// A JSON Lines file written as a stream: through a temporary file of its
// own, created exclusively beside the target (never through a link, never
// shared with another batch), that takes the target's place only at
// Commit; until then any earlier file stays whole.
#pragma once

#include <array>
#include <ostream>
#include <streambuf>
#include <string>

#include "text/Files.h"

namespace orrimar {

class LineFile : private std::streambuf, public std::ostream {
  public:
    explicit LineFile(const std::string& path);
    // Whether the file's folder exists and takes files.
    bool CanWrite() const;
    // "" when the file is in place, else what failed.
    std::string Commit();

  private:
    std::streambuf::int_type overflow(std::streambuf::int_type c) override;
    int sync() override;
    void Drain();

    std::string path_;
    AtomicFile file_;
    std::array<char, 65536> buffer_{};
};

}  // namespace orrimar
