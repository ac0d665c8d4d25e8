// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TextCodec.h"

#include "core/files/Ansi.h"

QString FromAnsi(const std::string& ansi) {
    QString out;
    out.reserve(static_cast<qsizetype>(ansi.size()));
    for (const char c : ansi) {
        out.append(QChar(static_cast<char16_t>(AnsiToCodePoint(static_cast<unsigned char>(c)))));
    }
    return out;
}

bool ToAnsi(const QString& text, std::string& ansi) {
    ansi.clear();
    ansi.reserve(static_cast<size_t>(text.size()));
    for (const QChar ch : text) {
        const int b = CodePointToAnsi(ch.unicode());
        if (b < 0) {
            return false;
        }
        ansi.push_back(static_cast<char>(b));
    }
    return true;
}

std::string ToAnsiLossy(const QString& text) {
    std::string ansi;
    ansi.reserve(static_cast<size_t>(text.size()));
    for (const QChar ch : text) {
        const int b = CodePointToAnsi(ch.unicode());
        ansi.push_back(b < 0 ? '?' : static_cast<char>(b));
    }
    return ansi;
}

QString FromUtf8(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString FromUtf8(const char* utf8) {
    return QString::fromUtf8(utf8);
}

std::string ToUtf8(const QString& text) {
    return text.toStdString();
}
