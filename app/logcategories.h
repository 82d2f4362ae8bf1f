#pragma once

#include <QLoggingCategory>

// The debug traces of each subsystem. Debug lines are off unless --trace or
// QT_LOGGING_RULES (e.g. "voltaro.link.debug=true") turn them on.
Q_DECLARE_LOGGING_CATEGORY(lcLink)    // one line per frame sent or received
Q_DECLARE_LOGGING_CATEGORY(lcMonitor) // decoded status words
Q_DECLARE_LOGGING_CATEGORY(lcHistory) // history records read
Q_DECLARE_LOGGING_CATEGORY(lcUpdate)  // firmware and table transfers
Q_DECLARE_LOGGING_CATEGORY(lcFiles)   // spreadsheets, packages and firmware files

// The filter rule that --trace installs: every voltaro category at debug level.
inline constexpr char TraceAllRule[] = "voltaro.*.debug=true";
