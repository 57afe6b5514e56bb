// Special assignments of the MERCHANT service for race type 6 ("M") and
// race type 7 ("F"): a training posting or a school, each logged for both,
// with the skills of the trade kept mostly to the "F" table.
#include "career/specials/Families.h"
#include "career/specials/FamilyTable.h"

namespace orrimar {

namespace {

using namespace specials;

SpecialThrow SchoolThrow() {
    return Die(1, 6).Plus(1, {StatAbove(StatEdu, 8)});
}

// Result 7 of the schools, the same for both; at the top rank nothing
// (the row of no effects after it).
SpecialRow DepartmentTest() {
    return At(7).If(RankBelowMax()).Log("- Department test").Set(SpecialFlag::DeptTestPassed);
}

const SpecialTable& FemaleTraining() {
    static const SpecialTable table{
        "Merchant F training",
        Die(1, 4),
        {
            At(1)
                .Log("- Security Training")
                .Try(4, {"ENVIRON", "Zero G Weapon", "Vacc Suit", "HAND COMBAT", "Computer",
                         "Security", "Intrusion", "MIXED COMBAT"}),
            At(2).Log("- Trade Station").Grant({"Trader"}).Try(4, {"ECONOMIC", "Liaison"}),
            At(3).Log("- Helm Training").Try(5, {"Navigation", "Pilot", "SPACE"}),
            At(4)
                .Log("- Drive Training")
                .Try(5, {"Electronics", "Engineering", "SPACE TECHNICAL", "TECHNICAL"}),
        }};
    return table;
}

const SpecialTable& MaleTraining() {
    static const SpecialTable table{
        "Merchant M training",
        Die(1, 4),
        {
            At(1)
                .Log("- Security Training")
                .Try(4, {"ENVIRON", "Zero G Weapon", "Vacc Suit", "HAND COMBAT", "Security",
                         "Intrusion", "MIXED COMBAT"}),
            At(2).Log("- Trade Station").Grant({"Independence"}),
            At(3).Log("- Helm Training").Try(5, {"SPACE"}),
            At(4).Log("- Drive Training").Try(5, {"SPACE TECHNICAL", "TECHNICAL"}),
        }};
    return table;
}

const SpecialTable& FemaleSchools() {
    static const SpecialTable table{
        "Merchant F schools",
        SchoolThrow(),
        {
            At(1).Log("- Trade Station").Grant({"Trader"}).Try(4, {"ECONOMIC", "INTERPERSONAL"}),
            At(2).Log("- Command School").Try(5, {"Admin", "Legal", "INBORN"}),
            At(3).Log("- Deck School").Try(5, {"Commo", "Computer", "SPACE COMBAT"}),
            At(4)
                .Log("- Engineering School")
                .Try(5, {"Admin", "Computer", "Electronics", "Engineering", "TECHNICAL",
                         "SPACE TECHNICAL"}),
            At(5).Log("- Purser School").Try(4, {"Admin", "Computer", "Liaison"}),
            At(6)
                .Log("- Business School")
                .Try(4, {"Admin", "Computer", "Liaison", "Legal", "ECONOMIC"}),
            DepartmentTest(),
            At(7),
        }};
    return table;
}

const SpecialTable& MaleSchools() {
    static const SpecialTable table{
        "Merchant M schools",
        SchoolThrow(),
        {
            At(1).Log("- Trade Station").Try(4, {"ECONOMIC", "INTERPERSONAL"}),
            At(2).Log("- Command School").Try(5, {"Leader", "Ship Tactics", "INBORN"}),
            At(3).Log("- Deck School").Try(5, {"SPACE COMBAT"}),
            At(4).Log("- Engineering School").Try(5, {"TECHNICAL", "SPACE TECHNICAL"}),
            At(5).Log("- Purser School").Try(4, {"Liaison"}),
            At(6).Log("- Business School").Try(4, {"ECONOMIC"}),
            DepartmentTest(),
            At(7),
        }};
    return table;
}

}  // namespace

// One die of two: a training posting or a school.
const SpecialTable& FemaleMerchantSpecials() {
    static const SpecialTable table{"Merchant F",
                                    Die(1, 2),
                                    {
                                        At(1).Then(FemaleTraining),
                                        At(2).Then(FemaleSchools),
                                    }};
    return table;
}

const SpecialTable& MaleMerchantSpecials() {
    static const SpecialTable table{"Merchant M",
                                    Die(1, 2),
                                    {
                                        At(1).Then(MaleTraining),
                                        At(2).Then(MaleSchools),
                                    }};
    return table;
}

}  // namespace orrimar
