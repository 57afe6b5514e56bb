#include "model/SchoolFiles.h"

#include "model/Game.h"
#include "text/Files.h"

namespace orrimar {

namespace {

SchoolFileRead Read(const Game& g, const std::string& name) {
    SchoolFileRead read;
    read.Path = FindFileNoCase(g.session.DataLoc, name);
    if (read.Path) read.Lines = ReadLines(*read.Path);
    return read;
}

}  // namespace

SchoolFileRead ReadSchoolFile(Game& g, const std::string& name) {
    if (!g.rules.Cache.Settled) return Read(g, name);
    auto [at, added] = LoadedRules(g).Cache.Schools.try_emplace(name);
    if (added) at->second = Read(g, name);
    return at->second;
}

}  // namespace orrimar
