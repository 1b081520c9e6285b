// The help viewers (HTML help "Quintor.chm" and the classic "Quintor.hlp") and the
// about window Inf. Called by start-up, the menu commands 1 and 60 and the Hilfe button.
#pragma once

#include <QString>
#include <cstdint>

struct Game;
class QTextBrowser;
class QWidget;
template <typename T> class QPointer;

// The web address the about window's link opens.
inline constexpr const char* kProjectWebAddress = "https://www.velmo.de/"; // as in the metainfo

// True on an NT-family system of major version 6 or later, from a GetVersion value.
bool isHtmlHelpSystem(std::uint32_t version);
// The version value this platform reports (one that selects the HTML help).
std::uint32_t platformVersion();
// Opens a page of an HTML help file (the manual of the chosen language) in
// the help window; when the file is missing or
// does not hold the page: "Error while trying to display a topic of " + file.
void showHelpTopic(Game& g, const QString& file, const QString& topic);
// The manual file of the chosen language: for English "Quintor.chm" becomes
// "Quintor_en.chm" (and "Quintor.hlp" "Quintor_en.hlp") where that file exists, else the
// German manual is shown.
QString manualFile(Game& g, const QString& file);
// The classic viewer: open at a keyword; close it if it shows "Quintor.hlp".
void showClassicHelp(Game& g, const QString& file, const QString& keyword);
void closeClassicHelp(Game& g);
// A page of the manual in the viewer in use: the HTML help's page, or else the classic
// viewer at its keyword.
void showManualPage(Game& g, const QString& htmlTopic, const QString& classicKeyword);
// The help of the play loop's Hilfe button and H key: topic "Erklärung".
void showExplanationHelp(Game& g);
// A window for a page of text that is no page of the manual (the list of keyboard
// shortcuts): the one in `slot` while it is open, else a new one placed beside the game
// window as the manual is; Esc and Ctrl+W close it as they close the manual.
QTextBrowser* textWindow(Game& g, QPointer<QWidget>& slot);

// The about window, modal; returns when it has closed.
void showAbout(Game& g);
// Its handlers: the close button, the close box and the link label.
void cmd15_Click(Game& g, QWidget* inf);
void Inf_Close(Game& g);
void lbl28_Click(Game& g);
