#include "files/atomic_write.h"

#include <cerrno>
#include <cstdio>
#include <random>

namespace kalvero {

namespace {

// Opens a new file beside the target that no one else uses ("x": fail if it exists).
std::FILE* CreateTemporary(const std::string& target, std::string& temporary) {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary = target + ".tmp-" + std::to_string(random() % 1000000000ULL);
        errno = 0;
        if (std::FILE* file = std::fopen(temporary.c_str(), "wbx"))
            return file;
        if (errno != EEXIST)
            return nullptr;
    }
    return nullptr;
}

} // namespace

AtomicFileSet::~AtomicFileSet() {
    for (const Staged& file : Files)
        std::remove(file.Temporary.c_str());
}

FileStatus AtomicFileSet::Stage(const std::string& target, const std::string& text) {
    std::string temporary;
    std::FILE* file = CreateTemporary(target, temporary);
    if (!file)
        return LastSystemError("write", target);
    errno = 0;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    const bool flushed = std::fflush(file) == 0;
    const int errorNumber = errno ? errno : EIO;
    const bool closed = std::fclose(file) == 0;
    if (!written || !flushed || !closed) {
        std::remove(temporary.c_str());
        return SystemError("write", target, errorNumber);
    }
    Files.push_back({temporary, target});
    return std::nullopt;
}

FileStatus AtomicFileSet::Commit() {
    for (size_t i = 0; i < Files.size(); ++i) {
        errno = 0;
        if (std::rename(Files[i].Temporary.c_str(), Files[i].Target.c_str()) != 0) {
            const FileError error = LastSystemError("write", Files[i].Target);
            Files.erase(Files.begin(), Files.begin() + static_cast<long>(i));
            return error;
        }
    }
    Files.clear();
    return std::nullopt;
}

FileStatus WriteFileAtomically(const std::string& target, const std::string& text) {
    AtomicFileSet files;
    if (FileStatus error = files.Stage(target, text))
        return error;
    return files.Commit();
}

} // namespace kalvero
