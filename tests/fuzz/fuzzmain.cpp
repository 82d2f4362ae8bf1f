// libFuzzer's entry points: the surface is chosen once, by the name the executable was
// started under (fuzz_<surface>) or by VOLTARO_FUZZ_SURFACE.

#include "fuzzharness.h"

#include <cstring>

namespace {
FuzzSurface chosen = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    const char* name = std::getenv("VOLTARO_FUZZ_SURFACE");
    if (!name) {
        const char* slash = std::strrchr((*argv)[0], '/');
        name = slash ? slash + 1 : (*argv)[0];
        if (std::strncmp(name, "fuzz_", 5) == 0)
            name += 5;
    }
    const auto found = fuzzSurfaces().find(name);
    if (found == fuzzSurfaces().end()) {
        std::fprintf(stderr, "no fuzz surface named %s; known:", name);
        for (const auto& surface : fuzzSurfaces())
            std::fprintf(stderr, " %s", surface.first.c_str());
        std::fprintf(stderr, "\n");
        std::exit(2);
    }
    chosen = found->second;
    (void)argc;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    chosen(input, QByteArray(reinterpret_cast<const char*>(data), int(size)));
    return 0;
}
