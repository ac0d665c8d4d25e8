// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/WindowPlacement.h"

#include <gtest/gtest.h>

namespace {

void ExpectRect(const ScreenRect& r, int x, int y, int width, int height) {
    EXPECT_EQ(r.x, x);
    EXPECT_EQ(r.y, y);
    EXPECT_EQ(r.width, width);
    EXPECT_EQ(r.height, height);
}

} // namespace

TEST(WindowPlacement, ClampIntoTheUsableAreaAtScaleTwo) {
    // A 1366 x 768 laptop screen at 200 %: 683 x 384 device-independent pixels, of which a
    // panel of 28 at the top is not usable.
    const ScreenRect area{0, 14, 683, 370};
    // The window of the first start, centred by its size: taller than the area and above it.
    ExpectRect(ClampInto({21, -77, 640, 538}, area), 21, 14, 640, 370);
    // Wider and taller: shrunk to the area, corner at the area's corner.
    ExpectRect(ClampInto({-50, -50, 2000, 1200}, area), 0, 14, 683, 370);
    // Hanging over the right and bottom edges: moved back, size kept.
    ExpectRect(ClampInto({600, 300, 400, 200}, area), 283, 184, 400, 200);
    // Already inside: unchanged.
    ExpectRect(ClampInto({10, 20, 300, 200}, area), 10, 20, 300, 200);
    // A second screen to the left of the first, with negative coordinates.
    ExpectRect(ClampInto({-2000, 10, 500, 300}, {-960, 0, 960, 540}), -960, 10, 500, 300);
}
