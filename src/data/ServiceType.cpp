#include "data/ServiceType.h"

#include <array>
#include <utility>

#include "text/Text.h"

namespace orrimar {

namespace {

constexpr std::array<std::pair<std::string_view, ServiceKind>, 25> Codes = {{
    {"ARMY", ServiceKind::Army},         {"MARINE", ServiceKind::Marine},
    {"GUARD", ServiceKind::Guard},       {"NAVY", ServiceKind::Navy},
    {"MERCHANT", ServiceKind::Merchant}, {"JOURNAL", ServiceKind::Journal},
    {"CORSAIR", ServiceKind::Corsair},   {"PIRATE", ServiceKind::Pirate},
    {"COAFC", ServiceKind::Coafc},       {"COAFCSD", ServiceKind::CoafcSd},
    {"COAFCPD", ServiceKind::CoafcPd},   {"COPS", ServiceKind::Cops},
    {"DMIL", ServiceKind::Dmil},         {"DNAVY", ServiceKind::Dnavy},
    {"IRIS", ServiceKind::Iris},         {"FMILIT", ServiceKind::FMilit},
    {"MMILIT", ServiceKind::MMilit},     {"FSPACE", ServiceKind::FSpace},
    {"MSPACE", ServiceKind::MSpace},     {"PARTY", ServiceKind::Party},
    {"SOLSEC", ServiceKind::Solsec},     {"IMOJ", ServiceKind::Imoj},
    {"SORAG", ServiceKind::Sorag},       {"SCOUT", ServiceKind::Scout},
    {"EXPLORER", ServiceKind::Explorer},
}};

}  // namespace

ServiceKind ServiceKindOf(std::string_view type) {
    for (const auto& [code, kind] : Codes)
        if (EqualsNoCase(type, code)) return kind;
    return ServiceKind::Other;
}

std::string_view ServiceKindCode(ServiceKind kind) {
    for (const auto& [code, k] : Codes)
        if (k == kind) return code;
    return "";
}

ServiceType::ServiceType(std::string text) : Text(std::move(text)), Kind(ServiceKindOf(Text)) {}

const char* BranchMarkWord(BranchMark mark) {
    static constexpr std::array<const char*, BranchMarkCount> words = {"Free Trader", "Covert",
                                                                       "Strike", "Deck"};
    return words[static_cast<size_t>(mark)];
}

}  // namespace orrimar
