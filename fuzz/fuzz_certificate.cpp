// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The certificate's checks on any card line a card file may hold: every verdict and its texts
// come out without a crash, and "eingehalten" overall only when every check that applies passed.

#include "FuzzSupport.h"

#include "core/certificate/CertificateText.h"
#include "core/certificate/Verdict.h"
#include "core/files/CardFile.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> fields;
    ForEachCardLine(text, [&](std::string_view line) {
        const int n = SplitLine(fields, ",", line);
        const CardTable::Row row(fields.begin(), fields.begin() + n);
        for (const FuelKind fuel : {FuelKind::Oil, FuelKind::Gas, FuelKind::Unknown}) {
            // Oil with an uncertainty, gas without one.
            const Assessment a =
                AssessCard(row, fuel, fuel == FuelKind::Oil ? std::optional<int>(6) : std::nullopt);
            bool allKept = !a.checks.empty();
            for (const Check& check : a.checks) {
                allKept = allKept &&
                          (check.outcome == Outcome::Kept || check.outcome == Outcome::NoLimit);
                FUZZ_CHECK(!CheckName(check.kind).empty());
                FUZZ_CHECK(!OutcomeText(check.outcome).empty());
                MeasuredText(check);
                LossStatement(check);
                LimitText(check);
                if (check.outcome == Outcome::Kept) {
                    FUZZ_CHECK(check.measured.has_value());
                }
            }
            if (a.overall == OverallKind::Kept) {
                FUZZ_CHECK(allKept && fuel != FuelKind::Unknown);
            }
            FUZZ_CHECK(!OverallText(a).empty());
            NoteLines(a, row.size() > 3 ? row[3] : std::string());
        }
    });
    return 0;
}
