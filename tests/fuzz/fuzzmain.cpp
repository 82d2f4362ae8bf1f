// libFuzzer's entry points: the surface is chosen once, by the name the executable was
// started under (fuzz_<surface>) or by VOLTARO_FUZZ_SURFACE. Started as voltaro_fuzz_seeds
// <output folder> <fixtures folder>, it writes the seed corpus instead.

#include "fuzzharness.h"

#include <cstring>

namespace {
FuzzSurface chosen = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    const char* slash = std::strrchr((*argv)[0], '/');
    std::string name = slash ? slash + 1 : (*argv)[0];
    if (name == "voltaro_fuzz_seeds") {
        if (*argc == 3)
            writeSeeds(QFile::decodeName((*argv)[1]), QFile::decodeName((*argv)[2]));
        std::exit(*argc == 3 ? 0 : 2);
    }
    if (const char* surface = std::getenv("VOLTARO_FUZZ_SURFACE"))
        name = surface;
    else if (name.rfind("fuzz_", 0) == 0)
        name.erase(0, 5);
    const auto found = fuzzSurfaces().find(name);
    if (found == fuzzSurfaces().end()) {
        std::fprintf(stderr, "no fuzz surface named %s\n", name.c_str());
        std::exit(2);
    }
    chosen = found->second;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    chosen(input, QByteArray(reinterpret_cast<const char*>(data), int(size)));
    return 0;
}
