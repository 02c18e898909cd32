#pragma once

#include <optional>
#include <string>

namespace kalvero {

// A file operation that failed: what was being done, to which file, and the system's reason.
struct FileError {
    std::string Action; // "open", "read", "write", ...
    std::string Path;
    std::string Reason; // the system's message, e.g. "No such file or directory"

    std::string Text() const { return "Cannot " + Action + " \"" + Path + "\": " + Reason; }
};

// Empty on success.
using FileStatus = std::optional<FileError>;

// The error for the C library's last failure (errno) on the given file.
FileError LastSystemError(const std::string& action, const std::string& path);
FileError SystemError(const std::string& action, const std::string& path, int errorNumber);

// True for an existing file that is not a folder. Paths with a NUL byte never name a file (the
// system would see only the text before it).
bool IsExistingFile(const std::string& path);
bool IsFolder(const std::string& path);
std::string FolderOf(const std::string& path); // with its final separator, or empty
std::string FileNameOf(const std::string& path);

} // namespace kalvero
