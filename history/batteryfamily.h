#pragma once

// The battery families a saved log is translated for, as the family list names them.
// The high-voltage family stores multi-byte values big-endian, the low-voltage family
// little-endian.
inline constexpr char LumenoHv[] = "Lumeno HV";
inline constexpr char LumenoLv[] = "Lumeno LV";
