#pragma once

// Runs the tool with its command line: writes a role password and exits, or starts the
// login window (against the simulated BMU in demo mode). Returns the exit code.
int runVoltaro(int argc, char* argv[]);
