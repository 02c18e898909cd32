#include "files/line_reader.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kalvero {

namespace {
constexpr size_t BlockSize = 1 << 18;
}

LineReader::LineReader(const std::string& path) : Path(path) {
    if (path.find('\0') != std::string::npos) {
        Error = SystemError("open", path, ENOENT);
        return;
    }
    // Only a regular file is read. A folder opens like a file but every read of it fails; a pipe
    // would block the open, and a device such as /dev/zero never ends. O_NONBLOCK keeps the open
    // itself from waiting on a pipe; the type is then checked on what was opened.
    errno = 0;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        Error = LastSystemError("open", path);
        return;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        Error = S_ISDIR(info.st_mode) ? SystemError("open", path, EISDIR)
                                      : FileError{"open", path, "Not a regular file"};
        ::close(fd);
        return;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    File = ::fdopen(fd, "rb");
    if (!File) {
        Error = LastSystemError("open", path);
        ::close(fd);
        return;
    }
    Buffer.resize(BlockSize);
}

LineReader::~LineReader() {
    if (File)
        std::fclose(File);
}

bool LineReader::Fill() {
    if (AtEof || Error)
        return false;
    errno = 0;
    const size_t got = std::fread(Buffer.data(), 1, Buffer.size(), File);
    if (got < Buffer.size()) {
        if (std::ferror(File)) {
            Error = LastSystemError("read", Path);
            return false;
        }
        AtEof = true;
    }
    Begin = 0;
    End = got;
    NextLineFeed = End + 1; // unknown
    // A UTF-8 byte order mark at the start of the file is no part of its first line.
    if (AtStart && got >= 3 && std::memcmp(Buffer.data(), "\xEF\xBB\xBF", 3) == 0)
        Begin = 3;
    AtStart = false;
    return got > 0;
}

bool LineReader::Next(std::string_view& line) {
    if (!File || Error)
        return false;
    Long.clear();
    bool crossed = false;
    for (;;) {
        if (Begin == End && !Fill()) {
            if (Error || !crossed)
                return false;
            line = Long; // the last line, without an end
            return true;
        }
        if (SkipLineFeed) {
            SkipLineFeed = false;
            if (Buffer[Begin] == '\n' && ++Begin == End)
                continue;
        }
        const char* start = Buffer.data() + Begin;
        const char* stop = Buffer.data() + End;
        // The next LF is looked for once and remembered, so that a file of CR-only line ends
        // does not make every line scan the rest of the block again.
        if (NextLineFeed < Begin || NextLineFeed > End) {
            const void* lf = std::memchr(start, '\n', End - Begin);
            NextLineFeed =
                lf ? static_cast<size_t>(static_cast<const char*>(lf) - Buffer.data()) : End;
        }
        const char* lineFeed = Buffer.data() + NextLineFeed;
        const char* p = lineFeed;
        if (lineFeed > start && lineFeed[-1] == '\r') {
            p = lineFeed - 1; // the common CR LF
            if (const void* cr = std::memchr(start, '\r', p - start))
                p = static_cast<const char*>(cr);
        } else if (const void* cr = std::memchr(start, '\r', lineFeed - start)) {
            p = static_cast<const char*>(cr);
        }
        if (p == stop) {
            const size_t room = MaxLineLength - std::min(MaxLineLength, Long.size());
            Long.append(start, std::min(room, static_cast<size_t>(p - start)));
            Begin = End;
            crossed = true;
            continue;
        }
        Begin = static_cast<size_t>(p - Buffer.data()) + 1;
        if (*p == '\r') {
            if (Begin < End) {
                if (Buffer[Begin] == '\n')
                    ++Begin;
            } else {
                SkipLineFeed = true;
            }
        }
        if (!crossed) {
            line = std::string_view(start, std::min(MaxLineLength, static_cast<size_t>(p - start)));
            return true;
        }
        const size_t room = MaxLineLength - std::min(MaxLineLength, Long.size());
        Long.append(start, std::min(room, static_cast<size_t>(p - start)));
        line = Long;
        return true;
    }
}

FileStatus ReadLines(const std::string& path, size_t count, std::vector<std::string>& lines) {
    lines.clear();
    LineReader reader(path);
    std::string_view line;
    while (lines.size() < count && reader.Next(line))
        lines.emplace_back(line);
    return reader.Status();
}

} // namespace kalvero
