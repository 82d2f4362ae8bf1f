#pragma once

#include "app/commandline.h"

#include <QObject>
#include <QString>

#include <memory>

class BmuSimulator;
class MainWindow;

// The window and, in demo mode, its simulated BMU, set up as the command line asks.
// Another interface language chosen on the login window builds both anew: the window
// sets its texts as it is made, and before anyone logs in it holds nothing to keep.
class WindowHost {
public:
    explicit WindowHost(const CommandLine& command);
    ~WindowHost();

    // Builds the window; false with a message when the demo's simulator cannot start.
    bool open(QString* error);
    MainWindow* window() const { return mainWindow.get(); }

private:
    void reopen(const QString& code);

    const CommandLine command;
    bool reopened = false;
    QObject requests; // the context of the language requests: they end with the host
    // Declared before the window so that it outlives the window's link.
    std::unique_ptr<BmuSimulator> simulator;
    std::unique_ptr<MainWindow> mainWindow;
};
