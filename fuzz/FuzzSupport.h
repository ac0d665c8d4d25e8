#pragma once
// Small helpers shared by the fuzz targets.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

// A property that must hold for every input; a violation is a finding.
#define FUZZ_CHECK(cond)                                                                           \
    do {                                                                                           \
        if (!(cond)) {                                                                             \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #cond);       \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

// One scratch file per fuzzing process, rewritten for every input.
inline const std::string& ScratchFile(const char* name) {
    static const std::string path = (std::filesystem::temp_directory_path() /
                                     ("fendro-fuzz-" + std::to_string(::getpid()) + "-" + name))
                                        .string();
    return path;
}

inline void WriteScratch(const std::string& path, const char* data, size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(data, static_cast<std::streamsize>(size));
}
