#include "career/specials/Registry.h"

#include <algorithm>

#include "career/specials/Families.h"
#include "data/RaceTypes.h"
#include "text/Text.h"

namespace orrimar::specials {

const std::vector<SpecialFamily>& SpecialFamilies() {
    static const std::vector<SpecialFamily> families = {
        {"Army",
         {ServiceKind::Army, ServiceKind::Marine, ServiceKind::Guard},
         {{std::nullopt, &ArmySpecials()}}},
        {"Navy", {ServiceKind::Navy}, {{std::nullopt, &NavySpecials()}}},
        {"Merchant",
         {ServiceKind::Merchant},
         {{RaceAslanMale, &MaleMerchantSpecials()},
          {RaceAslanFemale, &FemaleMerchantSpecials()},
          {std::nullopt, &MerchantSpecials()}}},
        {"Journal", {ServiceKind::Journal}, {{std::nullopt, &JournalSpecials()}}},
        {"Corsair",
         {ServiceKind::Corsair, ServiceKind::Pirate},
         {{std::nullopt, &CorsairSpecials()}}},
        {"COAFC SD",
         {ServiceKind::Coafc, ServiceKind::CoafcSd},
         {{std::nullopt, &CoafcSpaceSpecials()}}},
        {"COAFC PD", {ServiceKind::CoafcPd}, {{std::nullopt, &CoafcPlanetarySpecials()}}},
        {"Police", {ServiceKind::Cops}, {{std::nullopt, &PoliceSpecials()}}},
        {"DMIL", {ServiceKind::Dmil}, {{std::nullopt, &DmilSpecials()}}},
        {"DNAVY", {ServiceKind::Dnavy}, {{std::nullopt, &DnavySpecials()}}},
        {"IRIS", {ServiceKind::Iris}, {{std::nullopt, &IrisSpecials()}}},
        {"FMILIT", {ServiceKind::FMilit}, {{std::nullopt, &FemaleMilitarySpecials()}}},
        {"MMILIT", {ServiceKind::MMilit}, {{std::nullopt, &MaleMilitarySpecials()}}},
        {"FSPACE", {ServiceKind::FSpace}, {{std::nullopt, &FemaleSpaceSpecials()}}},
        {"MSPACE", {ServiceKind::MSpace}, {{std::nullopt, &MaleSpaceSpecials()}}},
        {"Party", {ServiceKind::Party}, {{std::nullopt, &PartySpecials()}}},
        {"SOLSEC", {ServiceKind::Solsec}, {{std::nullopt, &SolsecSpecials()}}},
        {"IMOJ", {ServiceKind::Imoj}, {{std::nullopt, &ImojSpecials()}}},
    };
    return families;
}

const SpecialFamily* FamilyOf(ServiceKind kind) {
    if (kind == ServiceKind::Other) return nullptr;
    for (const auto& family : SpecialFamilies())
        if (std::find(family.Codes.begin(), family.Codes.end(), kind) != family.Codes.end())
            return &family;
    return nullptr;
}

const SpecialTable* RootFor(const SpecialFamily& family, int race) {
    for (const auto& root : family.Roots)
        if (!root.Race || *root.Race == race) return root.Table;
    return nullptr;
}

}  // namespace orrimar::specials
