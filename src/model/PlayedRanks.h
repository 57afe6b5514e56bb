// A service's rank table as a career plays it.
#pragma once

#include <array>
#include <string>

#include "data/Service.h"

namespace orrimar {

// The ranks a race whose rank is its term count has written over the
// service's table as its terms passed: each code and title comes from the
// character, and the rank last written is the service's highest.
struct WrittenRanks {
    std::array<std::string, ServiceRecord::MaxRanks + 1> Code{};
    std::array<std::string, ServiceRecord::MaxRanks + 1> Name{};
    int Top = -1;  // -1 while nothing is written: the service's own
};

// The table the rules read: the service's as loaded, under a merchant's
// rank 0 and the ranks written by the career. The loaded service itself is
// never written.
class PlayedRanks {
  public:
    // A service's table as its file has it (a transfer compares two).
    PlayedRanks(const ServiceRecord& service)  // NOLINT(google-explicit-constructor)
        : PlayedRanks(service, service.RankCode[0], None()) {}
    PlayedRanks(const ServiceRecord& service, const std::string& merchantZero,
                const WrittenRanks& written)
        : service_(service), merchantZero_(merchantZero), written_(written) {}

    const std::string& Code(int rank) const {
        const auto r = static_cast<size_t>(rank);
        if (!written_.Code[r].empty()) return written_.Code[r];
        if (rank == 0 && service_.Type.Kind == ServiceKind::Merchant) return merchantZero_;
        return service_.RankCode[r];
    }
    const std::string& Name(int rank) const {
        static const std::string enlisted(MerchantRankZeroName);
        const auto r = static_cast<size_t>(rank);
        if (!written_.Name[r].empty()) return written_.Name[r];
        if (rank == 0 && service_.Type.Kind == ServiceKind::Merchant) return enlisted;
        return service_.RankName[r];
    }
    int Top() const { return written_.Top >= 0 ? written_.Top : service_.MaxRank; }

  private:
    static const WrittenRanks& None() {
        static const WrittenRanks none;
        return none;
    }
    const ServiceRecord& service_;
    const std::string& merchantZero_;
    const WrittenRanks& written_;
};

}  // namespace orrimar
