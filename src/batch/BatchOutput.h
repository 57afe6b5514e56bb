// What a batch writes of its characters, one output each (the roster, the
// cards, CSV, a stream of JSON Lines or stat blocks): each character's text
// is made on the thread that finished it, added in the characters' order,
// and put in place once the batch is done.
#pragma once

#include <string>
#include <string_view>

namespace orrimar {

struct BatchCharacter;
class ScratchFile;

class BatchOutput {
  public:
    virtual ~BatchOutput() = default;
    // What it keeps of a character made: from its record, or the line it
    // adds to a stream (which the output may take); on any thread.
    virtual std::string Of(const BatchCharacter& made, std::string& line) const = 0;
    // Adds a character's text; characters come in their order.
    virtual void Add(const std::string& text) = 0;
    // Whether it refused a character's text: the batch stops.
    virtual bool Refused() const { return false; }
    // Once the batch is done: puts what was added in place; "" or what
    // went wrong.
    virtual std::string Finish() = 0;
};

// Writes `path` whole from a head, what `scratch` holds and a tail; "" or
// what went wrong.
std::string WriteAssembled(const std::string& path, std::string_view head, ScratchFile& scratch,
                           std::string_view tail);

}  // namespace orrimar
