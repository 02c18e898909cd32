#include "files/file_error.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace kalvero {

FileError SystemError(const std::string& action, const std::string& path, int errorNumber) {
    return {action, path, std::generic_category().message(errorNumber)};
}

FileError LastSystemError(const std::string& action, const std::string& path) {
    return SystemError(action, path, errno ? errno : EIO);
}

bool IsExistingFile(const std::string& path) {
    if (path.empty() || path.find('\0') != std::string::npos)
        return false;
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    return !ec && std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

bool IsFolder(const std::string& path) {
    std::error_code ec;
    return path.find('\0') == std::string::npos && std::filesystem::is_directory(path, ec);
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string FileNameOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace kalvero
