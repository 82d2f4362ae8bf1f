#pragma once

#include <QByteArray>
#include <QString>

// Detail text of a BMU record of the high-voltage family ("Lumeno HV") from its event
// code and its data bytes (record bytes 7..29). Multi-byte values are big-endian;
// missing bytes read as 0. A record without data bytes gives an empty text.
QString hvBmuDetail(int code, const QByteArray& data);

// The system state in its three framings: "| System Status:NAME |", the leading form
// "| NAME " and the trailing form " NAME |".
QString hvSystemStatus(int state);
QString hvStateLeading(int state);
QString hvStateTrailing(int state);
