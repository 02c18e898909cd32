#include "files/palette_file.h"

#include "files/atomic_write.h"
#include "files/line_reader.h"
#include "model/numbers.h"

#include <vector>

namespace kalvero {

FileStatus ReadPaletteFile(const std::string& path, FillPalette& palette) {
    std::vector<std::string> lines;
    if (FileStatus error = ReadLines(path, PaletteSize, lines))
        return error;
    FillPalette read;
    arofintM numbers;
    for (size_t i = 0; i < read.size(); ++i) {
        if (i < lines.size())
            SplitToIntegers(lines[i], 0, numbers);
        if (i >= lines.size() || numbers.size() < 2)
            return FileError{"load the palette from", path,
                             "line " + std::to_string(i + 1) +
                                 " does not hold a pattern code and a colour (a palette file "
                                 "has 11 such lines)"};
        read[i] = Fill{numbers[0], numbers[1]};
    }
    palette = read;
    return std::nullopt;
}

FileStatus WritePaletteFile(const std::string& path, const FillPalette& palette) {
    std::string text;
    for (const Fill& fill : palette)
        text += std::to_string(fill.PatternCode) + ' ' + std::to_string(fill.Color) + "\r\n";
    return WriteFileAtomically(path, text);
}

std::string PaletteFileName(const std::string& chosen) {
    const size_t slash = chosen.find_last_of('/');
    const size_t dot = chosen.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return chosen + ".txt";
    return chosen.substr(0, dot) + ".txt";
}

} // namespace kalvero
