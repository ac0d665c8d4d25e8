// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the simulated device sends and understands: 168-byte measurement records and the
// 60-byte frames of names from the PC.

#include <string>

// `count` plausible measurements, the same for the same seed.
std::string GenerateRecords(long count, unsigned seed);

// True when the first 60 bytes of `data` are a frame: 00 01, 56 characters, 80 00.
bool IsSendFrame(const std::string& data);
// The frame's name, street and town, trailing blanks removed, as "name,street,town\r\n".
std::string FrameNamesLine(const std::string& frame);
