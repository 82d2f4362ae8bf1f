#pragma once

#include <QByteArray>
#include <QString>

class BmuDevice;

// Applies a JSON scenario to the device. Every part is optional:
//
//   {
//     "registers": { "0x050D": "0x0001", "0x0504": 65526 },
//     "bms": [ { "number": 1, "offset": 58, "hex": "8001" } ],
//     "history": { "0": [ "02 18 05 11 0f 14 00 01 17 ..." ], "2": [] }
//   }
//
// "registers" overrides holding registers (address and value as numbers or "0x" text);
// "bms" writes bytes over the 420-byte information block of a BMS; "history" replaces
// the log of the BMU (selector "0") or of BMS n with the given 30-byte records (hex
// text, blanks allowed), newest first. Returns false with a message, changing nothing,
// when the text is not such a scenario.
bool applyScenario(const QByteArray& json, BmuDevice& device, QString* error);
