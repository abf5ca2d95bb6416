// Writes the program icon as an .ico file for the resource compiler, at build time:
//   quillfolio-icon-file OUTPUT.ico
#include "IconFile.h"

#include "../../../res/resource.h"

#include <cstdio>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: quillfolio-icon-file OUTPUT.ico\n", stderr);
        return 2;
    }
    const IconResource* icon = FindIconResource(IDR_MAINFRAME);
    std::ofstream out(argv[1], std::ios::binary);
    if (icon == nullptr || !(out << IconFileBytes(*icon)) || !out.flush()) {
        std::fprintf(stderr, "quillfolio-icon-file: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
