#include "data/Fingerprint.h"

#include <openssl/evp.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "text/Files.h"
#include "text/Text.h"

namespace orrimar {

namespace {

namespace fs = std::filesystem;

struct DigestDeleter {
    void operator()(EVP_MD_CTX* ctx) const { EVP_MD_CTX_free(ctx); }
};

class Sha256 {
  public:
    Sha256() : ctx_(EVP_MD_CTX_new()) {
        if (ctx_) EVP_DigestInit_ex(ctx_.get(), EVP_sha256(), nullptr);
    }
    void Add(const void* data, size_t size) {
        if (ctx_ && size > 0) EVP_DigestUpdate(ctx_.get(), data, size);
    }
    void Add(const std::string& bytes) { Add(bytes.data(), bytes.size()); }
    std::string Hex() {
        unsigned char digest[EVP_MAX_MD_SIZE];
        unsigned int size = 0;
        if (!ctx_ || EVP_DigestFinal_ex(ctx_.get(), digest, &size) != 1) return "";
        static const char* hex = "0123456789abcdef";
        std::string text;
        for (unsigned int i = 0; i < size; ++i) {
            text += hex[digest[i] >> 4];
            text += hex[digest[i] & 15];
        }
        return text;
    }

  private:
    std::unique_ptr<EVP_MD_CTX, DigestDeleter> ctx_;
};

// A file the loaders cannot read either counts as empty.
std::string FileBytes(const fs::path& path) {
    std::string why;
    return ReadFileBytes(path.string(), TextFileLimit, why).value_or("");
}

}  // namespace

std::string Sha256Hex(const std::string& bytes) {
    Sha256 hash;
    hash.Add(bytes);
    return hash.Hex();
}

bool IsRuleFile(const std::string& name) {
    const std::string upper = UCase(name);
    const auto endsWith = [&](const char* ext) {
        const std::string e = ext;
        return upper.size() > e.size() && upper.compare(upper.size() - e.size(), e.size(), e) == 0;
    };
    return endsWith(".ERI") || endsWith(".SRV") || endsWith(".SCH") || upper == "CASCADE.DAT" ||
           upper == "COYNS.DAT";
}

std::string RuleFilesStamp(const std::string& folder) {
    std::vector<std::string> entries;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code kind;
        const std::string name = it->path().filename().string();
        if (!it->is_regular_file(kind) || !IsRuleFile(name)) continue;
        std::error_code size, time;
        entries.push_back(name + '\0' + std::to_string(it->file_size(size)) + '\0' +
                          std::to_string(it->last_write_time(time).time_since_epoch().count()));
    }
    std::sort(entries.begin(), entries.end());
    std::string stamp = folder;
    for (const auto& entry : entries) stamp += '\n' + entry;
    return stamp;
}

DataFingerprint FingerprintFolder(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code kind;
        if (it->is_regular_file(kind) && IsRuleFile(it->path().filename().string()))
            names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    DataFingerprint print;
    Sha256 all;
    for (const auto& name : names) {
        const std::string bytes = FileBytes(fs::path(folder) / name);
        Sha256 one;
        one.Add(bytes);
        print.Files[name] = one.Hex().substr(0, 12);
        all.Add(name.data(), name.size() + 1);  // with its terminating zero
        const uint64_t size = bytes.size();
        unsigned char length[8];
        for (int i = 0; i < 8; ++i) length[i] = static_cast<unsigned char>(size >> (8 * i));
        all.Add(length, sizeof length);
        all.Add(bytes);
    }
    print.Hash = all.Hex();
    return print;
}

std::string FingerprintDifferences(const DataFingerprint& recorded, const DataFingerprint& now) {
    if (recorded.Hash == now.Hash) return "";
    std::string text;
    for (const auto& [name, hash] : recorded.Files) {
        const auto it = now.Files.find(name);
        if (it == now.Files.end())
            text += name + " removed\n";
        else if (it->second != hash)
            text += name + " changed\n";
    }
    for (const auto& [name, hash] : now.Files)
        if (!recorded.Files.count(name)) text += name + " added\n";
    if (text.empty()) text = "the data fingerprint differs\n";
    return text;
}

}  // namespace orrimar
