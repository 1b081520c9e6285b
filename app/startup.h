// Start-up helpers called by main before the main window opens.
#pragma once

#include <QIcon>

#include <QString>

#include <functional>

// An installed game started where the collection files are missing moves into a per-user
// directory holding copies of them (created on first use, refreshed when the installed
// files are newer); otherwise nothing changes. Returns a German message when the folder or
// a copy could not be written (empty when all went well).
QString enterWorkingDirectory();
// The program icon in its sizes, from the resources built into the program.
QIcon programIcon();
// When the program is told to end from outside (SIGTERM at logout, SIGHUP, SIGINT), runs
// `atExit` on the user-interface thread and ends the program at once.
void endOnTerminationSignals(std::function<void()> atExit);
