// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// A customer's cards found, deleted and anonymised over a folder of card files, the deletion log
// and the report's content.

#include "core/customer/CustomerCards.h"
#include "core/customer/CustomerErasure.h"
#include "core/customer/CustomerReport.h"
#include "core/customer/ErasureLog.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

const CivilDate kToday{2026, 12, 8};

// Three files with the customer in two of them, written as other programs and older versions
// leave them: surplus fields, a last line without its end, bytes after a byte 26.
struct Folder {
    TempDir dir;
    std::string a = "M\xFCller,Weg 1,K\xF6ln,Heiz\xF6l EL,180,,,,,,,,,,01.02.2024,09:00\r\n"
                    "Meier,Weg 1,K\xF6ln,Erdgas,150,x,y,z,1,2,3,4,5,6,7,8,9,0,1,2,3,4,5,6,7,8,9\r\n"
                    " m\xDCLLER , weg 1,k\xD6ln  ,Erdgas\r\n"
                    "M\xFCller,Weg 2,K\xF6ln,Erdgas,99\r\n";
    std::string b = "Schulz,Am Hang 3,Bonn,Gas\r\n"
                    "M\xFCller,Weg 1,K\xF6ln,,,,,,,,,,,,,\r\n"
                    "Zander,Ring 9,Bonn,Gas";
    std::string c = "Meier,Weg 1,K\xF6ln,Erdgas\r\n\x1AM\xFCller,Weg 1,K\xF6ln\r\n";
    Folder() {
        WriteBytes(File("a.csv"), a);
        WriteBytes(File("b.CSV"), b);
        WriteBytes(File("c.csv"), c);
        WriteBytes(File("notes.txt"), "M\xFCller,Weg 1,K\xF6ln\r\n");
    }
    std::string File(const std::string& name) const { return dir.File(name); }
};

const CustomerKey kMueller = CustomerOf("M\xFCller", "Weg 1", "K\xF6ln");

} // namespace

TEST(CustomerRequest, DeleteAndAnonymiseKeepEveryOtherByteAndAreLogged) {
    Folder f;
    // A read-only copy of a file with the customer: named, the others still done.
    WriteBytes(f.File("d.csv"), "M\xFCller,Weg 1,K\xF6ln,Gas\r\n");
    fs::permissions(f.File("d.csv"), fs::perms::owner_read | fs::perms::group_read);

    const std::vector<ErasureOutcome> outcomes = EraseInFiles(
        RequestFiles(f.dir.Path()), kMueller, ErasureKind::Delete, AnonymousCustomer(kToday));
    ASSERT_EQ(outcomes.size(), 3u);
    EXPECT_EQ(outcomes[0].cards, 2);
    EXPECT_EQ(outcomes[1].cards, 1);
    EXPECT_EQ(outcomes[2].state, ErasureOutcome::Unwritable);
    EXPECT_EQ(ReadBytes(f.File("a.csv")),
              "Meier,Weg 1,K\xF6ln,Erdgas,150,x,y,z,1,2,3,4,5,6,7,8,9,0,1,2,3,4,5,6,7,8,9\r\n"
              "M\xFCller,Weg 2,K\xF6ln,Erdgas,99\r\n");
    EXPECT_EQ(ReadBytes(f.File("b.CSV")), "Schulz,Am Hang 3,Bonn,Gas\r\nZander,Ring 9,Bonn,Gas");
    EXPECT_EQ(ReadBytes(f.File("c.csv")), f.c);
    EXPECT_EQ(ReadBytes(f.File("d.csv")), "M\xFCller,Weg 1,K\xF6ln,Gas\r\n");
    EXPECT_FALSE(AllDone(outcomes));
    EXPECT_NE(ErasureProblems(outcomes).find("d.csv kann nicht geschrieben werden"),
              std::string::npos);

    // The log names the files, their cards and the customer, and is found again by the name.
    const ErasureStamp stamp{kToday, 17, 5};
    AppendErasureLog(f.dir.Path(), ErasureLogLine(stamp, ErasureKind::Delete, outcomes, 0,
                                                  {"M\xFCller ", "Weg 1", "K\xF6ln"}));
    AppendErasureLog(f.dir.Path(),
                     ErasureLogLine(stamp, ErasureKind::Anonymise, {}, 2, {"A;B", "x", "y"}));
    EXPECT_EQ(ReadBytes(f.File(kErasureLogName)),
              "Datum;Aktion;Dateien;Name;Stra\xDF"
              "e;Ort\r\n"
              "08.12.2026 17:05;Gel\xF6scht;a.csv: 2 Karten, b.CSV: 1 Karte, d.csv: 1 Karte "
              "NICHT geschrieben;M\xFCller;Weg 1;K\xF6ln\r\n"
              "08.12.2026 17:05;Anonymisiert;ge\xF6"
              "ffnete Kartei: 2 Karten;\"A;B\";x;y\r\n");
    // The log is no card file of the folder, but tells the report where the name is.
    const CustomerCards after = FindCustomerCards(kMueller, nullptr, "", false, f.dir.Path(), 30);
    EXPECT_EQ(after.Count(), 1); // the read-only file's
    EXPECT_EQ(after.logEntries, 1);

    // Repeated after a backup came back: the same cards go again.
    fs::permissions(f.File("d.csv"), fs::perms::owner_read | fs::perms::owner_write);
    WriteBytes(f.File("a.csv"), f.a);
    const std::vector<ErasureOutcome> again = EraseInFiles(
        RequestFiles(f.dir.Path()), kMueller, ErasureKind::Anonymise, AnonymousCustomer(kToday));
    ASSERT_EQ(again.size(), 2u);
    EXPECT_TRUE(AllDone(again));
    EXPECT_EQ(ReadBytes(f.File("a.csv")),
              "gel\xF6scht 08.12.2026,gel\xF6scht,gel\xF6scht,Heiz\xF6l EL,180,,,,,,,,,,"
              "01.02.2024,09:00\r\n"
              "Meier,Weg 1,K\xF6ln,Erdgas,150,x,y,z,1,2,3,4,5,6,7,8,9,0,1,2,3,4,5,6,7,8,9\r\n"
              "gel\xF6scht 08.12.2026,gel\xF6scht,gel\xF6scht,Erdgas\r\n"
              "M\xFCller,Weg 2,K\xF6ln,Erdgas,99\r\n");
    EXPECT_EQ(ReadBytes(f.File("d.csv")), "gel\xF6scht 08.12.2026,gel\xF6scht,gel\xF6scht,Gas\r\n");
}

TEST(CustomerRequest, AnonymisingAlsoEmptiesTheOwnerAndTheSite) {
    // Columns 25 to 47: output, burner, ..., owner, owner's address, site, heat exchanger maker.
    const std::string facts =
        ",24.5,Z,N,01.02.2015,N,Anna M\xFCller,Weg 1 K\xF6ln,Keller,Kessel AG";
    const std::string measured = ",Gas,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21";
    int count = 0;
    EXPECT_EQ(EraseCustomerLines("M\xFCller,Weg 1,K\xF6ln" + measured + facts + "\r\n", kMueller,
                                 ErasureKind::Anonymise, AnonymousCustomer(kToday), count),
              "gel\xF6scht 08.12.2026,gel\xF6scht,gel\xF6scht" + measured +
                  ",24.5,Z,N,01.02.2015,N,,,,Kessel AG\r\n");
    EXPECT_EQ(count, 1);
}

TEST(CustomerRequest, HostileFilesAreNamedAndNothingIsHalfWritten) {
    Folder f;
    WriteBytes(f.File("utf16.csv"), std::string("M\0\xFC\0", 4));
    fs::create_directory(f.File("sub.csv"));
    WriteBytes(f.File("locked.csv"), "M\xFCller,Weg 1,K\xF6ln\r\n");
    fs::permissions(f.File("locked.csv"), fs::perms::none);
    const std::vector<ErasureOutcome> outcomes = EraseInFiles(
        RequestFiles(f.dir.Path()), kMueller, ErasureKind::Delete, AnonymousCustomer(kToday));
    const std::string problems = ErasureProblems(outcomes);
    EXPECT_NE(problems.find("utf16.csv wurde nicht durchsucht (keine Kartei)"), std::string::npos);
    // Not readable, or (for root) readable but with its write permission off.
    EXPECT_NE(problems.find("locked.csv"), std::string::npos);
    EXPECT_FALSE(AllDone(outcomes));
    EXPECT_EQ(ReadBytes(f.File("c.csv")), f.c);
    EXPECT_EQ(ReadBytes(f.File("b.CSV")), "Schulz,Am Hang 3,Bonn,Gas\r\nZander,Ring 9,Bonn,Gas");
    fs::permissions(f.File("locked.csv"), fs::perms::owner_all);
}

TEST(CustomerRequest, ReportListsEveryCardWithItsPlaceAndCaptions) {
    Folder f;
    // An unsaved table of the folder's file a.csv with one more card of the customer.
    CardTable table;
    table.SetColCount(30);
    CardTable::Row captions(30);
    captions[0] = "Name";
    captions[14] = "Datum";
    table.AppendRow(captions);
    CardTable::Row card = table.EmptyRow();
    card[0] = "M\xFCller";
    card[1] = "Weg 1";
    card[2] = "K\xF6ln";
    table.AppendRow(table.EmptyRow());
    table.AppendRow(card);

    const CustomerCards found =
        FindCustomerCards(kMueller, &table, f.File("a.csv"), false, f.dir.Path(), 30);
    EXPECT_EQ(found.tableRows, std::vector<int>{2});
    ASSERT_EQ(found.places.size(), 3u);
    EXPECT_TRUE(found.places[0].openTable);
    EXPECT_EQ(found.places[1].cards.size(), 2u);
    EXPECT_EQ(found.places[1].cards[1].line, 3);
    EXPECT_EQ(found.Count(), 4);
    // A table that is its file is read once, from the file.
    EXPECT_EQ(FindCustomerCards(kMueller, &table, f.File("a.csv"), true, f.dir.Path(), 30).Count(),
              3);

    const CustomerReport report = BuildCustomerReport(found, table.RowAt(0), kToday);
    EXPECT_EQ(report.customer, "Kunde: M\xC3\xBCller, Weg 1, K\xC3\xB6ln");
    EXPECT_EQ(report.summary, "Stand 08.12.2026: 4 Karten in 2 Dateien und in der "
                              "ge\xC3\xB6"
                              "ffneten Kartei");
    ASSERT_EQ(report.cards.size(), 4u);
    EXPECT_EQ(report.cards[0].heading, "Karte 1 von 4: ge\xC3\xB6"
                                       "ffnete Kartei " +
                                           f.File("a.csv") + " (nicht gespeichert), Zeile 2");
    EXPECT_EQ(report.cards[3].heading, "Karte 4 von 4: Datei " + f.File("b.CSV") + ", Zeile 2");
    ASSERT_EQ(report.cards[1].fields.size(), 30u);
    EXPECT_EQ(report.cards[1].fields[0], "Name: M\xC3\xBCller");
    EXPECT_EQ(report.cards[1].fields[1], "Spalte 2: Weg 1");
    EXPECT_EQ(report.cards[1].fields[14], "Datum: 01.02.2024"); // undated cards are there too
    EXPECT_EQ(report.cards[2].fields[14], "Datum: ");
    const std::string& places = report.notes.back();
    for (const char* part : {"Einstellungsdatei", "keine Kundendaten", "Speicher des Messger",
                             "Speicherkarten", "nicht einsehen"}) {
        EXPECT_NE(places.find(part), std::string::npos) << part;
    }
}
