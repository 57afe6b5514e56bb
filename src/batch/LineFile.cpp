#include "batch/LineFile.h"

#include <unistd.h>

#include <string_view>

namespace orrimar {

LineFile::LineFile(const std::string& path) : std::ostream(this), path_(path), file_(path) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

bool LineFile::CanWrite() const {
    const std::string folder = FolderOf(path_);
    return ::access(folder.empty() ? "." : folder.c_str(), W_OK | X_OK) == 0;
}

void LineFile::Drain() {
    file_.Write(std::string_view(pbase(), static_cast<size_t>(pptr() - pbase())));
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

std::streambuf::int_type LineFile::overflow(std::streambuf::int_type c) {
    Drain();
    if (!std::streambuf::traits_type::eq_int_type(c, std::streambuf::traits_type::eof())) {
        *pptr() = std::streambuf::traits_type::to_char_type(c);
        pbump(1);
    }
    return std::streambuf::traits_type::not_eof(c);
}

int LineFile::sync() {
    Drain();
    return 0;
}

std::string LineFile::Commit() {
    Drain();
    return file_.Commit();
}

}  // namespace orrimar
