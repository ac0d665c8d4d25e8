// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Windows: the registry names the viewer, the shell starts it.

#include "platform/ShellOpen.h"

#include "core/app/AssociatedProgram.h"

#include <QString>

#include <windows.h>

#include <shellapi.h>

namespace {

// The default value of a key under HKEY_CLASSES_ROOT; false when the key does not open.
bool ReadClassesDefault(const std::wstring& subKey, std::wstring& value) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, subKey.c_str(), 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS) {
        return false;
    }
    value.clear();
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key, nullptr, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ) && size > 0) {
        std::wstring buffer(size / sizeof(wchar_t) + 1, L'\0');
        DWORD got = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
        if (RegQueryValueExW(key, nullptr, nullptr, &type, reinterpret_cast<LPBYTE>(&buffer[0]),
                             &got) == ERROR_SUCCESS) {
            buffer.resize(wcsnlen(buffer.c_str(), got / sizeof(wchar_t)));
            value = buffer;
        }
    }
    RegCloseKey(key);
    return true;
}

// The registry's "open" command of the extension, reduced to the program path.
std::string GetAssociatedProgram(const std::string& extension) {
    const std::wstring ext = L"." + QString::fromUtf8(extension).toStdWString();
    std::wstring command;
    if (!ReadClassesDefault(ext + L"\\shell\\open\\command", command)) {
        std::wstring typeName;
        if (ReadClassesDefault(ext, typeName) && !typeName.empty()) {
            ReadClassesDefault(typeName + L"\\shell\\open\\command", command);
        }
    }
    return ReduceOpenCommand(QString::fromStdWString(command).toStdString());
}

} // namespace

void ShellOpen(const std::string& program, const std::string& parameter,
               const std::string& workingDir) {
    if (program.empty()) {
        return;
    }
    const std::wstring file = QString::fromUtf8(program).toStdWString();
    const std::wstring params = QString::fromUtf8(parameter).toStdWString();
    const std::wstring dir = QString::fromUtf8(workingDir).toStdWString();
    ShellExecuteW(nullptr, L"open", file.c_str(), params.c_str(), dir.c_str(), SW_SHOWNORMAL);
}

void OpenWithRegisteredProgram(const std::string& fileName, const std::string& workingDir) {
    const size_t dot = fileName.rfind('.');
    const std::string extension =
        dot == std::string::npos ? std::string() : fileName.substr(dot + 1);
    ShellOpen(GetAssociatedProgram(extension), fileName, workingDir);
}
