// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/ConnectionSettings.h"

#include "core/files/Ansi.h"
#include "core/files/IniFile.h"

ConnectionSettings ReadConnectionSettings(const IniFile& ini) {
    const ConnectionSettings defaults;
    ConnectionSettings s;
    s.DeviceType = ini.ReadString("Main", "TypGeraet", defaults.DeviceType);
    s.MmcFileName = AnsiToUtf8(ini.ReadString("Main", "MMCFilename", defaults.MmcFileName));
    s.ComPort = ini.ReadInteger("Main", "COMPort", defaults.ComPort);
    s.BaudRate = ini.ReadInteger("Main", "Baudrate", defaults.BaudRate);
    return s;
}

void WriteConnectionSettings(IniFile& ini, const ConnectionSettings& s) {
    ini.WriteString("Main", "TypGeraet", s.DeviceType);
    ini.WriteString("Main", "MMCFilename", Utf8ToAnsiLossy(s.MmcFileName));
    ini.WriteInteger("Main", "COMPort", s.ComPort);
    ini.WriteInteger("Main", "Baudrate", s.BaudRate);
}
