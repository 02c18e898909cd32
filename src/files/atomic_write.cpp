#include "files/atomic_write.h"

#include <cerrno>
#include <cstdio>
#include <random>
#include <set>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kalvero {

namespace {

// A name beside `target` that no file has yet: target + tag + a random number.
std::string FreshName(const std::string& target, const char* tag) {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    return target + tag + std::to_string(random() % 1000000000ULL);
}

// Opens a new file beside the target that no one else uses ("x": fail if it exists).
std::FILE* CreateTemporary(const std::string& target, std::string& temporary) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary = FreshName(target, ".tmp-");
        errno = 0;
        if (std::FILE* file = std::fopen(temporary.c_str(), "wbx"))
            return file;
        if (errno != EEXIST)
            return nullptr;
    }
    return nullptr;
}

// A replaced file keeps the permissions the user gave it.
void KeepMode(std::FILE* file, const std::string& target) {
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0 && S_ISREG(info.st_mode))
        ::fchmod(::fileno(file), info.st_mode & 07777);
}

// Gives the former target (a file, or a link itself) a second name (a hard link, no copy), so that
// a commit that fails part-way can put it back. Empty when there is no former file or no link can
// be made.
std::string KeepFormer(const std::string& target) {
    struct stat info {};
    if (::lstat(target.c_str(), &info) != 0 || !(S_ISREG(info.st_mode) || S_ISLNK(info.st_mode)))
        return {};
    for (int attempt = 0; attempt < 16; ++attempt) {
        std::string backup = FreshName(target, ".old-");
        if (::link(target.c_str(), backup.c_str()) == 0)
            return backup;
        if (errno != EEXIST)
            break;
    }
    return {};
}

// Flushes the file systems of the given folders, or their entries, to the disk.
void SyncFolders(const std::set<std::string>& folders, bool entriesOnly) {
    for (const std::string& folder : folders) {
        const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
        if (fd < 0)
            continue;
        if (entriesOnly)
            ::fsync(fd);
        else
            ::syncfs(fd);
        ::close(fd);
    }
}

} // namespace

AtomicFileSet::~AtomicFileSet() {
    for (const Staged& file : Files)
        std::remove(file.Temporary.c_str());
}

FileStatus AtomicFileSet::Stage(const std::string& target, const std::string& text) {
    if (IsFolder(target))
        return SystemError("write", target, EISDIR);
    std::string temporary;
    std::FILE* file = CreateTemporary(target, temporary);
    if (!file)
        return LastSystemError("write", target);
    KeepMode(file, target);
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
    std::set<std::string> folders;
    for (const Staged& file : Files)
        folders.insert(FolderOf(file.Target));
    // The new texts reach the disk before any name points at them, once for the whole set rather
    // than once per file (a project may have thousands of data files).
    SyncFolders(folders, false);

    std::vector<std::string> formers(Files.size());
    for (size_t i = 0; i < Files.size(); ++i)
        formers[i] = KeepFormer(Files[i].Target);
    FileStatus failure;
    size_t renamed = 0;
    for (; renamed < Files.size(); ++renamed) {
        errno = 0;
        if (std::rename(Files[renamed].Temporary.c_str(), Files[renamed].Target.c_str()) != 0) {
            failure = LastSystemError("write", Files[renamed].Target);
            break;
        }
    }
    if (failure) {
        // Put back what was replaced, so the former files stay a whole set.
        for (size_t i = 0; i < renamed; ++i) {
            if (formers[i].empty())
                std::remove(Files[i].Target.c_str());
            else if (std::rename(formers[i].c_str(), Files[i].Target.c_str()) == 0)
                formers[i].clear();
        }
        for (size_t i = renamed; i < Files.size(); ++i)
            std::remove(Files[i].Temporary.c_str());
    }
    Files.clear();
    for (const std::string& former : formers)
        if (!former.empty())
            std::remove(former.c_str());
    SyncFolders(folders, true);
    return failure;
}

FileStatus WriteFileAtomically(const std::string& target, const std::string& text) {
    AtomicFileSet files;
    if (FileStatus error = files.Stage(target, text))
        return error;
    return files.Commit();
}

} // namespace kalvero
