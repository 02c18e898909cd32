// Every reader against the inputs a user's disk can hold; docs/bad-input.md is this table in words.
#include "files/carotage_import.h"
#include "files/palette_file.h"
#include "files/project_file.h"
#include "files/section_file.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

using namespace kalvero;

namespace {

// What a reader made of its input, in a few words: compared against the table below.
using Summary = std::function<std::string(const TempFolder&, const std::string& path)>;

std::string ErrorWords(const FileStatus& error) {
    return error ? "error: " + error->Reason : "";
}

std::string EntryWords(const Section& section) {
    std::string words = std::to_string(section.Boreholes.size()) + " entries";
    for (const carotagedata& e : section.Boreholes) {
        EXPECT_EQ(e.H.size(), e.Z.size());
        EXPECT_EQ(e.C.size(), e.Z.size());
        EXPECT_EQ(e.P.size(), e.Z.size());
        words += ", " + std::to_string(e.Z.size()) + " layers";
    }
    return words;
}

// A section holding one entry before the read: shows whether a failed read kept it.
Section Former() {
    Section s;
    s.AppendEntry(EntryKind::Carotage);
    s.Current().Name = "former";
    return s;
}

// Reads the project and says what the section holds, or that a failure kept it as it was.
std::string ReadIntoFormer(const std::string& project) {
    Section s = Former();
    const FileStatus error = ReadProject(s, project);
    const bool kept = s.Boreholes.size() == 1 && s.Boreholes[0].Name == "former";
    return error ? ErrorWords(error) + ", " + (kept ? "section kept" : EntryWords(s))
                 : EntryWords(s);
}

std::string ReadAsProject(const TempFolder& folder, const std::string& path) {
    folder.Write("d.txt", "0 1 255 0\r\n10 1 255 0\r\n");
    return ReadIntoFormer(path);
}

std::string ReadAsDataFile(const TempFolder& folder, const std::string& path) {
    return ReadIntoFormer(folder.Write("p.crt", path + "\r\nWell\r\n100 25 2 0 0 0 0\r\n"));
}

std::string ReadAsSectionFile(const TempFolder& folder, const std::string& path) {
    folder.Write("pic.png", "");
    SectionFileContent content;
    if (FileStatus error = ReadSectionFile(path, content))
        return ErrorWords(error);
    std::string words =
        content.PicturePath.empty() ? "no picture" : FileNameOf(content.PicturePath);
    if (content.Corners)
        words += ", corners";
    return words;
}

std::string ReadAsPalette(const TempFolder&, const std::string& path) {
    FillPalette palette = StartPalette();
    const FileStatus error = ReadPaletteFile(path, palette);
    if (error) {
        EXPECT_EQ(palette, StartPalette()) << "a refused palette file changes nothing";
        return error->Reason.substr(0, error->Reason.find(" (")).insert(0, "error: ");
    }
    return "read, first " + std::to_string(palette[0].PatternCode) + " " +
           std::to_string(palette[0].Color) + ", last " + std::to_string(palette[10].PatternCode) +
           " " + std::to_string(palette[10].Color);
}

std::string ReadAsImport(const TempFolder&, const std::string& path) {
    arofcomplexM points = {{1, 2}};
    const FileStatus error = ImportCarotage(path, points);
    std::string words =
        (error ? ErrorWords(error) + ", " : "") + std::to_string(points.size()) + " points";
    if (!points.empty())
        words += ", last " + NumberToText(0, 1, points.back().first) + " " +
                 NumberToText(0, 1, points.back().second);
    return words;
}

struct Reader {
    const char* Name;
    Summary Read;
    std::string Sample; // a good file of its kind, which some rows alter
};

const Reader Readers[] = {
    {"project", ReadAsProject, "d.txt\r\nWell\r\n100 25 2 0 0 0 0\r\n"},
    {"data file", ReadAsDataFile, "0 1 255 0\r\n10 1 255 0\r\n20 1 65280 1\r\n30 1 65280 1\r\n"},
    {"section file", ReadAsSectionFile, "pic.png\r\n0 0 100 50\r\n"},
    {"palette", ReadAsPalette,
     "0 255\r\n1 255\r\n2 255\r\n3 255\r\n4 255\r\n5 255\r\n6 255\r\n7 255\r\n8 255\r\n9 "
     "255\r\n10 255\r\n"},
    {"import", ReadAsImport, "depth value\r\n100 5\r\n101 6\r\n"},
};

enum class Kind { Bytes, Missing, Unreadable, Folder, Pipe, Device };

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::string Lines(const std::string& line, int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += line + "\r\n";
    return text;
}

struct Row {
    const char* Name;
    Kind Type;
    std::function<std::string(const std::string& sample)> Make;
    std::array<const char*, 5> Expected; // project, data file, section file, palette, import
};

std::string Garbage() {
    std::mt19937 random(7);
    std::string bytes(64 * 1024, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random());
    return bytes;
}

const std::string Certificate = "-----BEGIN CERTIFICATE-----\n"
                                "MIIBszCCAVmgAwIBAgIUdGVzdCBjZXJ0aWZpY2F0ZSBmb3IgS2Fsdm\n"
                                "ZXJvMAoGCCqGSM49BAMCMBQxEjAQBgNVBAMMCWxvY2FsaG9zdDAeFw0y\n"
                                "-----END CERTIFICATE-----\n";

std::vector<Row> Rows() {
    const auto same = [](const std::string& sample) { return sample; };
    return {
        {"missing file",
         Kind::Missing,
         same,
         {"error: No such file or directory, section kept",
          "error: no line of it names an existing data file, section kept",
          "error: No such file or directory", "error: No such file or directory",
          "error: No such file or directory, 1 points, last 1.0 2.0"}},
        {"unreadable file",
         Kind::Unreadable,
         same,
         {"error: Permission denied, section kept", "error: Permission denied, section kept",
          "error: Permission denied", "error: Permission denied",
          "error: Permission denied, 1 points, last 1.0 2.0"}},
        {"folder given as a file",
         Kind::Folder,
         same,
         {"error: Is a directory, section kept",
          "error: no line of it names an existing data file, section kept", "error: Is a directory",
          "error: Is a directory", "error: Is a directory, 1 points, last 1.0 2.0"}},
        {"a pipe (it would block)",
         Kind::Pipe,
         same,
         {"error: Not a regular file, section kept", "error: Not a regular file, section kept",
          "error: Not a regular file", "error: Not a regular file",
          "error: Not a regular file, 1 points, last 1.0 2.0"}},
        {"a device that never ends (/dev/zero)",
         Kind::Device,
         same,
         {"error: Not a regular file, section kept", "error: Not a regular file, section kept",
          "error: Not a regular file", "error: Not a regular file",
          "error: Not a regular file, 1 points, last 1.0 2.0"}},
        {"empty file",
         Kind::Bytes,
         [](const std::string&) { return std::string(); },
         {"0 entries", "1 entries, 0 layers", "no picture",
          "error: line 1 does not hold a pattern code and a colour", "0 points"}},
        {"binary garbage",
         Kind::Bytes,
         [](const std::string&) { return Garbage(); },
         {"error: no line of it names an existing data file, section kept", "1 entries, 0 layers",
          "no picture", "error: line 1 does not hold a pattern code and a colour", "0 points"}},
        {"NUL bytes in a line",
         Kind::Bytes,
         [](std::string s) { return s.replace(s.find(' '), 0, 1, '\0'); },
         {"1 entries, 1 layers", "1 entries, 2 layers", "pic.png",
          "error: line 1 does not hold a pattern code and a colour", "2 points, last 101.0 6.0"}},
        {"100 MB line first",
         Kind::Bytes,
         [](const std::string& s) { return std::string(100 << 20, '7') + "\r\n" + s; },
         {"1 entries, 1 layers", "1 entries, 2 layers", "no picture",
          "error: line 1 does not hold a pattern code and a colour", "2 points, last 101.0 6.0"}},
        {"CR-only line ends",
         Kind::Bytes,
         [](const std::string& s) { return Replace(s, "\r\n", "\r"); },
         {"1 entries, 1 layers", "1 entries, 2 layers", "pic.png, corners",
          "read, first 0 255, last 10 255", "2 points, last 101.0 6.0"}},
        {"mixed line ends",
         Kind::Bytes,
         [](const std::string& s) {
             std::string text = Replace(s, "\r\n", "\n");
             for (size_t at = text.find('\n'), i = 0; at != std::string::npos;
                  at = text.find('\n', at + 1), ++i)
                 if (i % 2)
                     text[at] = '\r';
             return text;
         },
         {"1 entries, 1 layers", "1 entries, 2 layers", "pic.png, corners",
          "read, first 0 255, last 10 255", "2 points, last 101.0 6.0"}},
        {"byte order mark",
         Kind::Bytes,
         [](const std::string& s) { return "\xEF\xBB\xBF" + s; },
         {"1 entries, 1 layers", "1 entries, 2 layers", "pic.png, corners",
          "read, first 0 255, last 10 255", "2 points, last 101.0 6.0"}},
        {"trailing Ctrl+Z",
         Kind::Bytes,
         [](const std::string& s) { return s + "\x1a"; },
         {"1 entries, 1 layers", "1 entries, 2 layers", "pic.png, corners",
          "read, first 0 255, last 10 255", "2 points, last 101.0 6.0"}},
        {"nan, inf, 1e400",
         Kind::Bytes,
         [](const std::string&) {
             return Lines("nan inf 1e400 2", 11) + Lines("-inf 5 1e400 3", 2);
         },
         {"error: no line of it names an existing data file, section kept", "1 entries, 0 layers",
          "no picture", "error: line 1 does not hold a pattern code and a colour",
          "2 points, last 5.0 3.0"}},
        {"numbers with two commas",
         Kind::Bytes,
         [](const std::string&) { return Lines("1,2,3 4,5,6 7 8", 12); },
         {"error: no line of it names an existing data file, section kept", "1 entries, 0 layers",
          "no picture", "read, first 7 8, last 7 8", "12 points, last 7.0 8.0"}},
        {"huge integers",
         Kind::Bytes,
         [](const std::string&) {
             return Lines("99999999999999999999 -99999999999999999999 4294967296 1", 12);
         },
         {"error: no line of it names an existing data file, section kept", "1 entries, 6 layers",
          "no picture", "read, first 2147483647 -2147483648, last 2147483647 -2147483648",
          "12 points, last 100000000000000000000.0 -100000000000000000000.0"}},
        {"a certificate",
         Kind::Bytes,
         [](const std::string&) { return Certificate; },
         {"error: no line of it names an existing data file, section kept", "1 entries, 0 layers",
          "no picture", "error: line 1 does not hold a pattern code and a colour", "0 points"}},
    };
}

// Root reads any file whatever its mode: an unreadable file is read as nobody instead.
struct AsNobody {
    bool Active = ::geteuid() == 0 && ::seteuid(65534) == 0;
    ~AsNobody() {
        if (Active) {
            EXPECT_EQ(::seteuid(0), 0);
        }
    }
};

TEST(BadInput, EveryReaderAgainstEveryInput) {
    for (const Row& row : Rows()) {
        for (size_t r = 0; r < std::size(Readers); ++r) {
            const Reader& reader = Readers[r];
            SCOPED_TRACE(std::string(row.Name) + " / " + reader.Name);
            TempFolder folder;
            std::filesystem::permissions(folder.Path, std::filesystem::perms::all);
            const std::string path = row.Type == Kind::Device ? "/dev/zero" : folder / "input.txt";
            if (row.Type == Kind::Folder) {
                std::filesystem::create_directories(path);
            } else if (row.Type == Kind::Pipe) {
                ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0) << path;
            } else if (row.Type == Kind::Bytes || row.Type == Kind::Unreadable) {
                folder.Write("input.txt", row.Make(reader.Sample));
            }
            std::string got;
            if (row.Type == Kind::Unreadable) {
                ::chmod(path.c_str(), 0);
                folder.Write("d.txt", "0 1 255 0\r\n"); // written before giving up root
                folder.Write("pic.png", "");
                AsNobody nobody;
                got = reader.Read(folder, path);
            } else {
                got = reader.Read(folder, path);
            }
            EXPECT_EQ(got, row.Expected[r]);
        }
    }
}

} // namespace
