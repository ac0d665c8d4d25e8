// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The card files of a folder, read for a search over all of them: a file that cannot serve is
// passed over with its reason, so one bad file never ends the search.

#include <optional>
#include <string>
#include <vector>

enum class SkipReason { Unreadable, NotCardFile, TooLarge };

struct SkippedFile {
    std::string file; // UTF-8 path
    SkipReason reason;
};

// A file larger than this is not read: 64 MiB hold some 400,000 cards.
constexpr long long kMaxCardFileBytes = 64LL << 20;

// The card files (*.csv, *.CSV) of `folder` in name order, without `except` (the open file,
// which is read from the table instead). Empty for an empty or unreadable folder.
std::vector<std::string> CardFilesIn(const std::string& folder, const std::string& except);

// Reads one of them into `contents`. Returns why it was passed over: it cannot be read (gone, no
// regular file such as a FIFO, no rights), is too large, or holds a NUL byte, which a card file
// never does (a program's or a UTF-16 file). Never throws for the file's sake.
std::optional<SkipReason> ReadFolderCardFile(const std::string& fileName, std::string& contents);

// The folder of a card file; empty for a table without a file.
std::string FolderOf(const std::string& cardFileName);
