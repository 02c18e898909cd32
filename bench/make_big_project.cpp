// Writes a benchmark project: make_big_project FOLDER medium|large
#include "big_project.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    using namespace kalvero;
    if (argc != 3 || (std::strcmp(argv[2], "medium") && std::strcmp(argv[2], "large"))) {
        std::fprintf(stderr, "usage: make_big_project FOLDER medium|large\n");
        return 2;
    }
    const bool large = std::strcmp(argv[2], "large") == 0;
    std::printf("%s\n", WriteBigProject(argv[1], large ? LargeProject : MediumProject).c_str());
    return 0;
}
