// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one boundary between the logic's Windows-1252 byte strings and Qt's QString.

#include <QString>

#include <string>

QString FromAnsi(const std::string& ansi);
// Returns false when `text` holds a character Windows-1252 cannot hold.
bool ToAnsi(const QString& text, std::string& ansi);
// As ToAnsi, with '?' for what does not convert.
std::string ToAnsiLossy(const QString& text);

// UTF-8 texts of the logic (messages, paths).
QString FromUtf8(const std::string& utf8);
QString FromUtf8(const char* utf8);
std::string ToUtf8(const QString& text);
