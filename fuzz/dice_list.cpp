// A dice list file (--dice) holding the input: it is read as numbers, or
// refused with a message naming the file and line; the numbers read,
// written out again, read back the same.
#include <cstdio>
#include <cstdlib>

#include "FuzzSupport.h"
#include "FuzzTargets.h"
#include "model/OwnDice.h"

namespace orrimar::fuzz {

namespace {
[[noreturn]] void FailDiceList(const char* what) {
    fuzz::Fail(std::string("dice list: ") + what);
}
}  // namespace

void DiceList(std::string_view data) {
    const std::string path = ScratchFolder() + "dice.txt";
    WriteText(path, data);
    std::string problem;
    const auto list = ReadThrowList(path, problem);
    if (!list) {
        if (problem.find(path) == std::string::npos)
            FailDiceList("a refusal that does not name the file");
        return;
    }
    std::string again;
    for (const int value : list->Values) {
        if (value < 0) FailDiceList("a negative throw was kept");
        again += std::to_string(value) + "\n";
    }
    WriteText(path, again);
    const auto back = ReadThrowList(path, problem);
    if (!back || back->Values != list->Values)
        FailDiceList("the numbers written out read back otherwise");
}

}  // namespace orrimar::fuzz
