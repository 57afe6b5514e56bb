// A service file's "type=" line: the text as written, and the kind of
// career the built-in rules know it as, found once when the file is read.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orrimar {

// The career codes some built-in rule asks for (data/README.md lists them).
enum class ServiceKind : uint8_t {
    Other,  // a code no rule asks for
    Army,
    Marine,
    Guard,
    Navy,
    Merchant,
    Journal,
    Corsair,
    Pirate,
    Coafc,
    CoafcSd,
    CoafcPd,
    Cops,
    Dmil,
    Dnavy,
    Iris,
    FMilit,
    MMilit,
    FSpace,
    MSpace,
    Party,
    Solsec,
    Imoj,
    Sorag,
    Scout,
    Explorer,
};

// The kind a type text names, without regard to case and as written
// otherwise (" ARMY" is no army).
ServiceKind ServiceKindOf(std::string_view type);
// The code of a kind in capitals ("ARMY"); "" for Other.
std::string_view ServiceKindCode(ServiceKind kind);

struct ServiceType {
    ServiceType() = default;
    ServiceType(std::string text);  // NOLINT: a type is written as its text
    ServiceType(const char* text) : ServiceType(std::string(text)) {}

    std::string Text;
    ServiceKind Kind = ServiceKind::Other;

    bool operator==(const ServiceType& other) const { return Text == other.Text; }
};

// Words a branch's name may hold (exact case) that the rules ask about.
enum class BranchMark : uint8_t { FreeTrader, Covert, Strike, Deck };
inline constexpr int BranchMarkCount = 4;
const char* BranchMarkWord(BranchMark mark);  // "Free Trader", "Covert", ...

}  // namespace orrimar
