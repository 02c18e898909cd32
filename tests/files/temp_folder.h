#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

// A fresh folder under the system's temporary folder, removed with the object.
class TempFolder {
public:
    TempFolder() {
        std::random_device random;
        Path = std::filesystem::temp_directory_path() /
               ("kalvero-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(Path);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(Path, ec);
    }
    std::string operator/(const std::string& name) const { return (Path / name).string(); }
    std::string Write(const std::string& name, const std::string& bytes) const {
        const std::string path = *this / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    std::filesystem::path Path;
};

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
