#pragma once
// The length of one device record, shared by the record's conversions and the serial link.

constexpr int kDeviceRecordSize = 168;
