#include "model/OptionCaptions.h"

#include <array>

namespace orrimar {

namespace {

constexpr std::array<const char*, OptionBoxes> Captions = {"Force skill every year",
                                                           "Force Special every year",
                                                           "Force OCS",
                                                           "Force academic success",
                                                           "Allow any transfer",
                                                           "Sort skills by value instead of name",
                                                           "Automatic generation",
                                                           "Cap skills at 6",
                                                           "Don't break Cascade skills",
                                                           "Cap rank",
                                                           "Offer Academic as Specials",
                                                           "Allow stats over 15",
                                                           "True 2D stat generation",
                                                           "spare",
                                                           "Roll my own dice",
                                                           "spare"};

}  // namespace

const char* OptionCaption(int box) {
    return box >= 0 && box < OptionBoxes ? Captions[box] : "";
}

}  // namespace orrimar
