#pragma once

#include "history/historyrecord.h"

// Live rows of a BMU log block: for each of the 20 records the time stamp, the code
// column, the description and the data bytes as hex. The description of code 2 depends
// on the serial number shown for the system: "P03..." systems report whether the event
// appeared or disappeared.
TextRows decodeBmuBlock(const QByteArray& block, const QString& serialNumber);
