// The help viewers (HTML help "Quintor.chm" and the classic "Quintor.hlp") and the
// about window Inf.
#pragma once

#include <QString>
#include <cstdint>

struct Game;

// True on an NT-family system of major version 6 or later, from a GetVersion value.
bool isHtmlHelpSystem(std::uint32_t version);
// The version value this platform reports.
std::uint32_t platformVersion();
void showHelpTopic(Game& g, const QString& file, const QString& topic);
// The classic viewer: open at a keyword; close it if it shows "Quintor.hlp".
void showClassicHelp(Game& g, const QString& file, const QString& keyword);
void closeClassicHelp(Game& g);
// The help of the play loop's Hilfe button and H key: topic "Erklärung".
void showExplanationHelp(Game& g);
void showAbout(Game& g);
