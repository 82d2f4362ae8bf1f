#pragma once

// Texts that name this build of the tool.
inline constexpr char MainWindowTitle[] = "Voltaro_V1.6.1";
inline constexpr char LoginWindowTitle[] = "Voltaro V1.6.1";
