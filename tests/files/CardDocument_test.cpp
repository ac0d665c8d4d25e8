// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/CardDocument.h"

#include "core/files/Utf8Path.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

namespace {

// A document as a new table leaves it: three captions and one empty card, in no file.
TCardDocument NewDocument() {
    TCardDocument doc;
    doc.Cards().SetColCount(3);
    doc.Cards().AppendRow({"Name", "Strasse", "Ort"});
    doc.Cards().AppendRow(doc.Cards().EmptyRow());
    return doc;
}

} // namespace

TEST(CardDocument, LoadReplacesTheCardsKeepsCaptionsAndTheFileItBelongsTo) {
    TempDir dir;
    const std::string other = dir.File("tmp.csv");
    WriteBytes(other, "Abel,Weg 1,Ulm,zu viel\r\nBauer\r\n");
    TCardDocument doc = NewDocument();
    doc.SetFileName(dir.File("kunden.csv"));

    int swaps = 0;
    TCardDocument::LoadHooks hooks;
    hooks.replace = [&](const std::function<void()>& swap) {
        EXPECT_EQ(doc.Cards().RowCount(), 2); // nothing replaced before the swap
        swap();
        ++swaps;
    };
    ASSERT_TRUE(doc.Load(other, hooks));
    EXPECT_EQ(swaps, 1);
    EXPECT_EQ(doc.FileName(), dir.File("kunden.csv"));
    ASSERT_EQ(doc.Cards().RowCount(), 3);
    EXPECT_EQ(doc.Cards().RowAt(0), (CardTable::Row{"Name", "Strasse", "Ort"}));
    EXPECT_EQ(doc.Cards().RowAt(1), (CardTable::Row{"Abel", "Weg 1", "Ulm"}));
    EXPECT_EQ(doc.Cards().RowAt(2), (CardTable::Row{"Bauer", "", ""}));
}

TEST(CardDocument, LoadThatCannotBeginLeavesTheTableAlone) {
    TempDir dir;
    const std::string file = dir.File("k.csv");
    WriteBytes(file, "Abel\r\n");
    TCardDocument doc = NewDocument();
    doc.Cards().SetCell(0, 1, "Eigene");

    // A missing file is never prepared for.
    bool prepared = false;
    TCardDocument::LoadHooks hooks;
    hooks.prepare = [&] {
        prepared = true;
        return false;
    };
    EXPECT_FALSE(doc.Load(dir.File("fehlt.csv"), hooks));
    EXPECT_FALSE(prepared);
    // A layout that fails stops the load.
    EXPECT_FALSE(doc.Load(file, hooks));
    EXPECT_TRUE(prepared);
    EXPECT_EQ(doc.Cards().RowCount(), 2);
    EXPECT_EQ(doc.Cards().Cell(0, 1), "Eigene");

    // The layout the preparation sets is the one the cards are read into.
    hooks.prepare = [&] {
        doc.Cards().SetColCount(1);
        doc.Cards().SetCell(0, 0, "Kunde");
        return true;
    };
    int progressCalls = 0;
    hooks.progress = [&](int) { ++progressCalls; };
    ASSERT_TRUE(doc.Load(file, hooks));
    EXPECT_EQ(doc.Cards().Rows(), (std::vector<CardTable::Row>{{"Kunde"}, {"Abel"}}));
    EXPECT_EQ(progressCalls, 0); // only every 25 lines
}

TEST(CardDocument, WriteFollowsTheWriteModeAndWriteToKeepsTheName) {
    TempDir dir;
    const std::string file = dir.File("k.csv");
    WriteBytes(file, "Alt\r\n");
    TCardDocument doc = NewDocument();
    doc.Cards().SetCell(0, 1, "Neu");
    doc.SetFileName(file);

    doc.SetWriteMode(smCancel);
    doc.Write();
    EXPECT_EQ(ReadBytes(file), "Alt\r\n");
    doc.SetWriteMode(smAppend);
    doc.Write();
    EXPECT_EQ(ReadBytes(file), "Alt\r\nNeu,,\r\n");
    doc.SetWriteMode(smOverwrite);
    doc.Write();
    EXPECT_EQ(ReadBytes(file), "Neu,,\r\n");

    const std::string other = dir.File("tmp.csv");
    WriteBytes(other, "Alt\r\n");
    doc.WriteTo(other);
    EXPECT_EQ(ReadBytes(other), "Neu,,\r\n");
    EXPECT_EQ(doc.FileName(), file);
}

TEST(CardDocument, ChangedOnDiskOnlyForTheFileTheTableLastSaw) {
    namespace fs = std::filesystem;
    TempDir dir;
    const std::string file = dir.File("k.csv");
    WriteBytes(file, "Abel\r\n");
    TCardDocument doc = NewDocument();
    doc.SetFileName(file);
    doc.RememberOnDisk();
    EXPECT_FALSE(doc.ChangedOnDisk());

    const auto t = fs::last_write_time(PathFromUtf8(file));
    WriteBytes(file, "Abel\r\nBauer\r\n");
    fs::last_write_time(PathFromUtf8(file), t + std::chrono::seconds(2));
    EXPECT_TRUE(doc.ChangedOnDisk());

    // Saved under another name: the table never saw that file, so there is nothing to lose.
    doc.SetFileName(dir.File("anders.csv"));
    WriteBytes(doc.FileName(), "x\r\n");
    EXPECT_FALSE(doc.ChangedOnDisk());
}

TEST(CardDocument, HoldsItsFileOnlyWhileTheTableIsThatFilesCards) {
    TempDir dir;
    const std::string file = dir.File("k.csv");
    const std::string other = dir.File("tmp.csv");
    WriteBytes(file, "Abel\r\n");
    WriteBytes(other, "Bauer\r\n");
    TCardDocument doc = NewDocument();
    doc.SetFileName(file);
    EXPECT_FALSE(doc.HoldsItsFile()); // a new table under an existing name

    ASSERT_TRUE(doc.Load(file));
    EXPECT_TRUE(doc.HoldsItsFile());
    // Another spelling of the same file is still that file.
    doc.SetFileName(dir.Path() + "/./k.csv");
    EXPECT_TRUE(doc.HoldsItsFile());

    // A transfer's cards in the table, the name kept.
    ASSERT_TRUE(doc.Load(other));
    EXPECT_FALSE(doc.HoldsItsFile());
    ASSERT_TRUE(doc.Load(file));
    // Named elsewhere, even for a moment, the table no longer counts as the file's.
    doc.SetFileName(std::string());
    doc.SetFileName(file);
    EXPECT_FALSE(doc.HoldsItsFile());

    // Written over whole it holds it again; after an append the file holds more.
    doc.SetWriteMode(smOverwrite);
    doc.Write();
    EXPECT_TRUE(doc.HoldsItsFile());
    doc.SetWriteMode(smAppend);
    doc.Write();
    EXPECT_FALSE(doc.HoldsItsFile());
}
