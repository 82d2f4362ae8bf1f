#pragma once

#include "cli/report.h"

#include <QString>

struct SystemSnapshot;

// The setup as the command line names it: grid modes and phases by short names, and the
// values the last setup read found.

// "off", "on" or "backup" (also "off grid", "on grid", "back up"; case ignored): the
// grid index 0, 1, 2; -1 for anything else.
int gridIndexOf(const QString& name);
// "single" or "three" (case ignored): the phase index 0, 1; -1 for anything else.
int phaseIndexOf(const QString& name);

// The module count byte of a setup read as the number the setup field holds: modules per
// tower for a high-voltage system (the low hex digit), the whole byte for a low-voltage one.
int setupModuleCount(const SystemSnapshot& system);

// The last setup read into the report, keys prefixed with `keyPrefix`; nothing when none.
void addSetupFields(Report& report, const SystemSnapshot& system, const QString& keyPrefix);
