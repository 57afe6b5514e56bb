#include "batch/BatchOutput.h"

#include "text/Files.h"

namespace orrimar {

std::string WriteAssembled(const std::string& path, std::string_view head, ScratchFile& scratch,
                           std::string_view tail) {
    AtomicFile file(path);
    file.Write(head);
    file.Write(scratch);
    file.Write(tail);
    return file.Commit();
}

}  // namespace orrimar
