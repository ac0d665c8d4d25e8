// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Errors that end the current command and reach the application's error box.

#include <stdexcept>
#include <string>

// A file that cannot be opened, read or written. The text is UTF-8.
class EInOutError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that should hold an integer and does not.
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::string UnableToWriteMessage(const std::string& fileName);
std::string UnableToReadMessage(const std::string& fileName);
