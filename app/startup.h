// Start-up helpers called by main before the main window opens.
#pragma once

#include <QIcon>

// An installed game started where the collection files are missing moves into a per-user
// directory holding copies of them (created on first use); otherwise nothing changes.
void enterWorkingDirectory();
// The program icon in its sizes, from the resources built into the program.
QIcon programIcon();
