// What the characters of a batch say and write, put out in their order
// whatever thread made them, as soon as every earlier one is out; after a
// character that stops the batch, nothing more. Only characters not yet
// out are held, so a batch runs in the same memory whatever its count.
#pragma once

#include <iosfwd>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace orrimar {

class BatchOutput;
class ProgressLine;
class ScratchFile;

class InOrder {
  public:
    // Messages, notes and explained throws go to `log`, the notes also to
    // `notes` when given; each character made to every one of `outputs`.
    InOrder(std::ostream& log, ScratchFile* notes, std::vector<BatchOutput*> outputs,
            ProgressLine& progress);

    struct Said {
        std::string Message;
        std::vector<std::string> Notes;
        std::string Line;                // its line for a stream
        std::vector<std::string> Texts;  // what each output keeps of it; empty when not made
        std::string Explained;           // its throws explained (--explain)
        bool Stops = false;
    };

    void Put(int n, Said said);

    // Whether an output refused a character: the batch stops.
    bool Refused() const;

  private:
    void Write(const Said& said);

    std::ostream& log_;
    ScratchFile* notes_;
    std::vector<BatchOutput*> outputs_;
    ProgressLine& progress_;
    std::mutex mutex_;
    std::map<int, Said> pending_;
    int next_ = 1;
    bool stopped_ = false;
};

}  // namespace orrimar
