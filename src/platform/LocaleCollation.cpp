// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LocaleCollation.h"

#include "core/files/Ansi.h"

#include <QCollator>

#include <algorithm>
#include <memory>
#include <numeric>
#include <optional>

namespace {

std::optional<QLocale> gCollationLocale;

// Holds the collator and two conversion buffers, so that a comparison allocates nothing.
struct CollatingCompare {
    explicit CollatingCompare(const QLocale& locale) : collator(locale) {
        collator.setCaseSensitivity(Qt::CaseSensitive);
    }
    static void Fill(QString& buffer, const std::string& ansi) {
        buffer.resize(static_cast<qsizetype>(ansi.size()));
        QChar* out = buffer.data();
        for (const char c : ansi) {
            *out++ = QChar(static_cast<char16_t>(AnsiToCodePoint(static_cast<unsigned char>(c))));
        }
    }
    int operator()(const std::string& a, const std::string& b) {
        Fill(left, a);
        Fill(right, b);
        return collator.compare(QStringView(left), QStringView(right));
    }
    QCollator collator;
    QString left;
    QString right;
};

} // namespace

TextCompare LocaleCompare(const QLocale& locale) {
    auto state = std::make_shared<CollatingCompare>(locale);
    return [state](const std::string& a, const std::string& b) { return (*state)(a, b); };
}

TextRanking LocaleRanking(const QLocale& locale) {
    auto state = std::make_shared<CollatingCompare>(locale);
    return [state](const std::vector<std::string>& texts) {
        std::vector<QCollatorSortKey> sortKeys;
        sortKeys.reserve(texts.size());
        for (const std::string& text : texts) {
            CollatingCompare::Fill(state->left, text);
            sortKeys.push_back(state->collator.sortKey(state->left));
        }
        std::vector<size_t> order(texts.size());
        std::iota(order.begin(), order.end(), size_t{0});
        std::sort(order.begin(), order.end(),
                  [&](size_t a, size_t b) { return sortKeys[a].compare(sortKeys[b]) < 0; });
        std::vector<int> ranks(texts.size());
        int rank = 0;
        for (size_t i = 0; i < order.size(); ++i) {
            if (i > 0 && sortKeys[order[i - 1]].compare(sortKeys[order[i]]) != 0) {
                ++rank;
            }
            ranks[order[i]] = rank;
        }
        return ranks;
    };
}

QLocale CollationLocale() {
    if (gCollationLocale) {
        return *gCollationLocale;
    }
    // Every card text is German: where the environment names no locale (C, POSIX), which would
    // order by code point and put "Ärger" after "Zander", German order is the sound choice. A
    // locale the user did name is kept, as the system's sort order of that user.
    const QLocale system = QLocale::system();
    return system.language() == QLocale::C ? QLocale(QLocale::German, QLocale::Germany) : system;
}

void SetCollationLocale(const QLocale& locale) {
    gCollationLocale = locale;
}

void ResetCollationLocale() {
    gCollationLocale.reset();
}
