// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The length of one device record, shared by the record's conversions and the serial link.

constexpr int kDeviceRecordSize = 168;
