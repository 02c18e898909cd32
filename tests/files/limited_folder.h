#pragma once

#include "temp_folder.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <sys/mount.h>
#include <unistd.h>
#include <vector>

// A folder whose writes fail the way a real one can: read-only, or on a full device. Root may write
// into any folder whatever its mode, so when the tests run as root (as in CI) the folder is a small
// file system of its own, remounted read-only or filled up; otherwise a read-only folder is made
// with its mode and a full one cannot be made (Ready() is false and says why).
class LimitedFolder {
public:
    enum class Limit { ReadOnly, Full };

    explicit LimitedFolder(Limit limit) : LimitKind(limit) {
        Path = Base.Path / "limited";
        std::filesystem::create_directories(Path);
        if (::geteuid() == 0) {
            Mounted = ::mount("tmpfs", Path.c_str(), "tmpfs", 0, "size=256k") == 0;
            if (!Mounted)
                Why = "cannot mount a small file system: " + std::string(std::strerror(errno));
        } else if (limit == Limit::Full) {
            Why = "a full device needs root, to mount a small file system";
        }
    }
    ~LimitedFolder() {
        if (Mounted)
            ::umount2(Path.c_str(), MNT_DETACH);
        else
            std::filesystem::permissions(Path, std::filesystem::perms::owner_all);
    }
    LimitedFolder(const LimitedFolder&) = delete;
    LimitedFolder& operator=(const LimitedFolder&) = delete;

    bool Ready() const { return Why.empty(); }
    const std::string& WhyNot() const { return Why; }
    std::string operator/(const std::string& name) const { return (Path / name).string(); }

    // Call once the folder holds what it should: from now on writes into it fail.
    void Apply() {
        if (LimitKind == Limit::Full) {
            std::ofstream filler(Path / "filler", std::ios::binary);
            const std::vector<char> block(4096, 'x');
            while (filler.write(block.data(), static_cast<std::streamsize>(block.size())))
                filler.flush();
        } else if (Mounted) {
            Mounted = ::mount("tmpfs", Path.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
        } else {
            std::filesystem::permissions(Path, std::filesystem::perms::owner_read |
                                                   std::filesystem::perms::owner_exec);
        }
    }

    // The folder's names and contents, to show that a failed save left everything as it was.
    std::map<std::string, std::string> Contents() const {
        std::map<std::string, std::string> contents;
        for (const auto& entry : std::filesystem::directory_iterator(Path))
            if (entry.path().filename() != "filler")
                contents[entry.path().filename().string()] = ReadBytes(entry.path().string());
        return contents;
    }

private:
    Limit LimitKind;
    TempFolder Base;
    std::filesystem::path Path;
    bool Mounted = false;
    std::string Why;
};
