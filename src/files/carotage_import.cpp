#include "files/carotage_import.h"

#include "files/line_reader.h"

namespace kalvero {

FileStatus ImportCarotage(const std::string& path, arofcomplexM& points) {
    LineReader reader(path);
    if (reader.Status())
        return reader.Status();
    points.clear();
    std::string_view line;
    while (reader.Next(line)) {
        double first = 0, second = 0;
        int count = 0;
        ForEachNumber(line, [&](double value) {
            (count == 0 ? first : second) = value;
            return ++count < 2;
        });
        if (count == 2)
            points.emplace_back(first, second);
    }
    points.shrink_to_fit();
    return reader.Status();
}

} // namespace kalvero
