#pragma once

#include <QByteArray>
#include <QString>

// Detail text of a BMU record of the low-voltage family ("Lumeno LV") from its event
// code and its data bytes (record bytes 7..29). Multi-byte values are little-endian;
// missing bytes read as 0. A record without data bytes gives an empty text.
QString lvBmuDetail(int code, const QByteArray& data);

// The measurement snapshot that codes 2, 112, 116 and 118 carry: state, temperatures,
// SOC, voltages, current, cell extremes and the three warning words.
QString lvBmuSnapshot(const QByteArray& data);
