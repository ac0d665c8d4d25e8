// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Every fuzz target starts from seed inputs: without them libFuzzer begins from nothing and
// rarely gets past the first checks of a file format.

#include "core/files/Utf8Path.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace fs = std::filesystem;

TEST(FuzzSeeds, EveryTargetHasSeedInputs) {
    const fs::path fuzz = PathFromUtf8(FENDRO_SOURCE_DIR "/fuzz");
    int targets = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(fuzz)) {
        const std::string name = entry.path().stem().string();
        if (entry.path().extension() != ".cpp" || name.rfind("fuzz_", 0) != 0) {
            continue;
        }
        ++targets;
        // fuzz/run takes the folder with or without the "fuzz_" prefix.
        int seeds = 0;
        for (const std::string& folder : {name, name.substr(5)}) {
            const fs::path dir = fuzz / "corpus" / folder;
            if (fs::is_directory(dir)) {
                for (const fs::directory_entry& seed : fs::directory_iterator(dir)) {
                    seeds += seed.is_regular_file() && seed.file_size() > 0 ? 1 : 0;
                }
            }
        }
        EXPECT_GT(seeds, 0) << name;
    }
    EXPECT_GE(targets, 7);
}
