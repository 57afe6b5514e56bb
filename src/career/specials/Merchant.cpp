// Special assignments of the MERCHANT service (races other than types 6
// and 7, which have their own).
#include "career/specials/Families.h"
#include "career/specials/FamilyTable.h"

namespace orrimar {

namespace {

using namespace specials;

SpecialThrow MerchantThrow() {
    return Die(1, 6)
        .Plus(1, {StatAbove(StatEdu, 8)})
        .Plus(1, {Not(BranchHas(BranchMark::Deck)), RankAtLeast(6)})
        .Capped(7);
}

const SpecialTable& MerchantRankZero() {
    static const SpecialTable table{
        "Merchant rank 0",
        MerchantThrow(),
        {
            At(1)
                .Log("- Security training")
                .Try(4, {"Zero G Environ", "Zero G Weapons", "Vacc suit", "Brawling", "Computer"}),
            At(2).Log("- Trade station").Grant({"Trader"}).Try(4, {"Broker", "Liaison"}),
            At(3).Log("- Helm training").Try(5, {"Navigation", "Pilot", "Ship's Boat"}),
            At(4)
                .Log("- Drive training")
                .Try(5, {"Electronics", "Engineering", "Gravitics", "Mechanical"}),
            At(5).Log("- Steward training").Try(4, {"Admin", "Liaison", "Steward"}),
            At(6, 7).Log("- Commission O0").Set(SpecialFlag::Commissioned).SetRank(1),
        }};
    return table;
}

const SpecialTable& MerchantRanked() {
    static const SpecialTable table{
        "Merchant",
        MerchantThrow(),
        {
            At(1).Log("- Trade station").Grant({"Trader"}).Try(4, {"Broker", "Liaison"}),
            At(2).Log("- Command school").Try(5, {"Admin", "Leader", "Legal", "Ship Tactics"}),
            At(3).Log("- Deck school").Try(5, {"Commo", "Computer", "GUNNERY"}),
            At(4)
                .Log("- Engineering school")
                .Try(5, {"Admin", "Computer", "Electronics", "Engineering", "Mechanical",
                         "Gravitics"}),
            At(5).Log("- Purser school").Try(4, {"Admin", "Computer", "Liaison"}),
            At(6).Log("- Business school").Try(5, {"Admin", "Computer", "Legal", "Liaison"}),
            At(7).Log("- Department test").Set(SpecialFlag::DeptTestPassed),
        }};
    return table;
}

}  // namespace

const SpecialTable& MerchantSpecials() {
    static const SpecialTable table{"Merchant",
                                    NoThrow(),
                                    {
                                        Any().If(RankIs(0)).Then(MerchantRankZero),
                                        Any().Then(MerchantRanked),
                                    }};
    return table;
}

}  // namespace orrimar
