// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The open card file: the card table, the name of the file it belongs to, whether it holds
// unsaved changes, how the next write treats an existing file, and the file as it was on disk
// when the table last read or wrote it.
//
// A load replaces the cards (rows 1 and on) and keeps the caption row and the columns; it never
// changes the file name, so a table can take the cards of another file (a transfer's temporary
// file) and still belong to its own. A write goes through WriteCards: the whole new file is
// built beside the old one, so a failure leaves the old file as it was.

#include "core/files/CardFile.h"
#include "core/files/CardTable.h"
#include "core/files/FileStamp.h"

#include <functional>
#include <string>

class TCardDocument {
public:
    // What a window needs to know about a load. `prepare` runs after the file was read and
    // before the table is touched; it may lay the columns and captions out afresh, and false
    // ends the load. `replace` runs the swap of the new cards into the table, so that a view
    // can announce it; without one the swap just happens.
    struct LoadHooks {
        std::function<bool()> prepare;
        LoadProgress progress;
        std::function<void(const std::function<void()>& swap)> replace;
    };

    CardTable& Cards() { return cards_; }
    const CardTable& Cards() const { return cards_; }

    // The card file the table belongs to; empty for a table in no file.
    const std::string& FileName() const { return fileName_; }
    void SetFileName(std::string fileName);

    // Whether the table holds changes that are in no file.
    bool Changed() const { return changed_; }
    void SetChanged(bool changed) { changed_ = changed; }

    // How the next write treats an existing file: the answer of the file-exists question.
    TSaveMode WriteMode() const { return writeMode_; }
    void SetWriteMode(TSaveMode mode) { writeMode_ = mode; }

    // Replaces the cards by the lines of `fileName`. False, with the table as it was, when the
    // file cannot be read or `hooks.prepare` says no. Throws EInOutError when the file exists
    // but reading it fails.
    bool Load(const std::string& fileName, const LoadHooks& hooks = {});

    // Writes the cards to the document's file by the write mode. Throws EInOutError.
    void Write();
    // The same into another file; the document still belongs to its own.
    void WriteTo(const std::string& fileName) const;

    // The file as it is on disk now belongs to the table: it was just read or written.
    void RememberOnDisk() { onDisk_.Remember(fileName_); }
    // Whether the document's file was changed on disk by someone else since then.
    bool ChangedOnDisk() const { return onDisk_.ChangedOnDisk(fileName_); }

    // Whether the table holds the document's file: it was loaded from it or written over it
    // whole, and has not been replaced since. Writing it there again replaces the file; adding
    // the table to it would hold every card twice.
    bool HoldsItsFile() const;

private:
    CardTable cards_;
    std::string fileName_;
    bool changed_ = false;
    TSaveMode writeMode_ = smAppend;
    KnownFile onDisk_;
    std::string heldFile_; // the file whose cards the table holds, if any
};
