// --regenerate on a file holding the input, with the sample data: a saved
// character (JSON, JSON Lines or a page) is made again and compared, or
// refused with a message; either way something is said.
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "FuzzSupport.h"
#include "FuzzTargets.h"
#include "replay/Regenerate.h"

namespace orrimar::fuzz {

void Regenerate(std::string_view data) {
    const std::string path = ScratchFolder() + "character.json";
    WriteText(path, data);
    std::ostringstream out, err;
    const int status = RegenerateCharacter(path, SampleData(), "", out, err);
    const bool said = status == 0 ? out.str().find("comes out the same") != std::string::npos
                                  : !(out.str() + err.str()).empty();
    if (!said) Fail("regenerate: exit status " + std::to_string(status) + " without a word");
}

}  // namespace orrimar::fuzz
