// The carotage import, compared with the points its lines hold. It also serves the line reader:
// for some inputs the file starts with filler that ends just before the reader's block boundary,
// so that the input's line ends (CR LF split across blocks, a lone CR at a block's end, a line
// longer than a block) fall where one block ends and the next begins.
#include "files/carotage_import.h"
#include "fuzz_support.h"

namespace {

// The line reader reads in blocks of this size.
constexpr size_t ReaderBlock = 1 << 18;

// The filler is chosen by the input's size rather than by its bytes, so that the file holds the
// input unchanged: mostly nothing; else short lines without numbers, after which the input starts
// on a line of its own, or one long line that the input's first line continues.
std::string FileBytes(std::string_view input) {
    const size_t length = ReaderBlock - 1 - (input.size() / 8) % 16;
    switch (input.size() % 8) {
    case 0: {
        std::string filler(length, 'x');
        for (size_t i = 63; i < length; i += 64)
            filler[i] = '\n';
        filler.back() = '\n';
        return filler + std::string(input);
    }
    case 1:
        return std::string(length, 'x') + std::string(input);
    default:
        return std::string(input);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kalvero;
    const std::string bytes = FileBytes(AsText(data, size));
    const std::string path = FreshFuzzFolder("import") + "curve.txt";
    WriteFuzzFile(path, bytes);
    arofcomplexM points{{1, 2}};
    FuzzCheck(!ImportCarotage(path, points), "a file that exists imports");

    arofcomplexM expected;
    arofdoubleM numbers;
    for (std::string_view line : ExpectedLines(bytes)) {
        SplitToDoubles(line, 0, numbers);
        if (numbers.size() >= 2)
            expected.emplace_back(numbers[0], numbers[1]);
    }
    FuzzCheck(points == expected, "one point per line with two numbers, in the file's order");
    return 0;
}
