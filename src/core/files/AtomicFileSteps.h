// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the whole-file write of every system shares.

#include <filesystem>

// The file a link points to, so that the link stays a link; any other path as it is.
std::filesystem::path ResolveLink(const std::filesystem::path& p);

// A name beside the target that no one can guess, for the copy that replaces it.
std::filesystem::path TempNameFor(const std::filesystem::path& target);
