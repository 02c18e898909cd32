// The palette file, compared with what its lines hold.
#include "files/palette_file.h"
#include "fuzz_support.h"
#include "model/numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kalvero;
    const std::string path = FreshFuzzFolder("palette") + "palette.txt";
    WriteFuzzFile(path, AsText(data, size));
    FillPalette palette = StartPalette();
    palette[3] = Fill{7, 123};
    const FillPalette before = palette;
    const bool read = !ReadPaletteFile(path, palette);

    const std::vector<std::string_view> lines = ExpectedLines(AsText(data, size));
    FillPalette expected = before;
    bool whole = lines.size() >= expected.size();
    arofintM numbers;
    for (size_t i = 0; whole && i < expected.size(); ++i) {
        SplitToIntegers(lines[i], 0, numbers);
        whole = numbers.size() >= 2;
        if (whole)
            expected[i] = Fill{numbers[0], numbers[1]};
    }
    FuzzCheck(read == whole, "a palette reads exactly when its first 11 lines hold two numbers");
    FuzzCheck(palette == (whole ? expected : before), "the palette read, or the old one kept");
    return 0;
}
