#include <cstdio>
#include <cstring>

// PLACEHOLDER
int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
        std::puts("lumavert-cli 4.20");
        return 0;
    }
    std::puts("usage: lumavert-cli open|convert|microdvd [options] FILE");
    return argc > 1 && std::strcmp(argv[1], "--help") == 0 ? 0 : 2;
}
