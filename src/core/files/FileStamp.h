// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a file looked like on disk when the program last read or wrote it, so that a change by
// someone else (a colleague in a shared card folder) is noticed before it is overwritten.

#include <cstdint>
#include <string>

// Size and modification time of a file; both zero when it does not exist.
struct FileStamp {
    bool exists = false;
    std::uintmax_t size = 0;
    std::int64_t modified = 0; // ticks of the file system's clock

    bool operator==(const FileStamp& o) const {
        return exists == o.exists && size == o.size && modified == o.modified;
    }
    bool operator!=(const FileStamp& o) const { return !(*this == o); }
};

FileStamp StampOf(const std::string& fileName);

// One file and its stamp at the time the program last read or wrote it.
class KnownFile {
public:
    void Remember(const std::string& fileName);
    // Whether `fileName` is the remembered file and changed on disk since. A file that is gone
    // has nothing left to lose, so it counts as unchanged.
    bool ChangedOnDisk(const std::string& fileName) const;

private:
    std::string name_;
    FileStamp stamp_;
};
