#include "career/specials/Registry.h"

#include <algorithm>

#include "career/specials/Families.h"
#include "model/Text.h"
#include "startup/RaceTypes.h"

namespace orrimar::specials {

const std::vector<SpecialFamily>& SpecialFamilies() {
    static const std::vector<SpecialFamily> families = {
        {"Army", {"ARMY", "MARINE", "GUARD"}, {{std::nullopt, &ArmySpecials()}}},
        {"Navy", {"NAVY"}, {{std::nullopt, &NavySpecials()}}},
        {"Merchant",
         {"MERCHANT"},
         {{RaceAslanMale, &MaleMerchantSpecials()},
          {RaceAslanFemale, &FemaleMerchantSpecials()},
          {std::nullopt, &MerchantSpecials()}}},
        {"Journal", {"JOURNAL"}, {{std::nullopt, &JournalSpecials()}}},
        {"Corsair", {"CORSAIR", "PIRATE"}, {{std::nullopt, &CorsairSpecials()}}},
        {"COAFC SD", {"COAFC", "COAFCSD"}, {{std::nullopt, &CoafcSpaceSpecials()}}},
        {"COAFC PD", {"COAFCPD"}, {{std::nullopt, &CoafcPlanetarySpecials()}}},
        {"Police", {"COPS"}, {{std::nullopt, &PoliceSpecials()}}},
        {"DMIL", {"DMIL"}, {{std::nullopt, &DmilSpecials()}}},
        {"DNAVY", {"DNAVY"}, {{std::nullopt, &DnavySpecials()}}},
        {"IRIS", {"IRIS"}, {{std::nullopt, &IrisSpecials()}}},
        {"FMILIT", {"FMILIT"}, {{std::nullopt, &FemaleMilitarySpecials()}}},
        {"MMILIT", {"MMILIT"}, {{std::nullopt, &MaleMilitarySpecials()}}},
        {"FSPACE", {"FSPACE"}, {{std::nullopt, &FemaleSpaceSpecials()}}},
        {"MSPACE", {"MSPACE"}, {{std::nullopt, &MaleSpaceSpecials()}}},
        {"Party", {"PARTY"}, {{std::nullopt, &PartySpecials()}}},
        {"SOLSEC", {"SOLSEC"}, {{std::nullopt, &SolsecSpecials()}}},
        {"IMOJ", {"IMOJ"}, {{std::nullopt, &ImojSpecials()}}},
    };
    return families;
}

const SpecialFamily* FamilyOf(const std::string& serviceType) {
    const std::string code = UCase(serviceType);
    for (const auto& family : SpecialFamilies())
        if (std::find(family.Codes.begin(), family.Codes.end(), code) != family.Codes.end())
            return &family;
    return nullptr;
}

const SpecialTable* RootFor(const SpecialFamily& family, int race) {
    for (const auto& root : family.Roots)
        if (!root.Race || *root.Race == race) return root.Table;
    return nullptr;
}

}  // namespace orrimar::specials
