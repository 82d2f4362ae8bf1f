#pragma once

#include <QString>

#include <memory>

class BmuSimulator;
class MainWindow;

// Demo mode: a simulated BMU of the chosen system ("hv", "lv" or "qpa5") listens on a free
// loopback port inside the tool and the window's link points at it. Returns null with
// a message when the simulator cannot listen.
std::unique_ptr<BmuSimulator> startDemo(MainWindow& window, const QString& system, QString* error);
