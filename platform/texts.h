// The game's own texts go through Qt's translation system, with the German text as the
// source: a text is written in German exactly as the game shows it (blanks, umlauts, "&"
// access keys) and translated where it is shown, in the context of its subsystem:
//
//     drawPanel(g, ..., PanelTexts::tr("STATISTIK:"), ...);
//
// A text kept in a table or a variable is marked where it is written and translated where
// it is shown:
//
//     const char* const kNames[] = {QT_TRANSLATE_NOOP("PanelTexts", " Leicht "), ...};
//     g.canvas.text(x, y, PanelTexts::tr(kNames[d]));
//
// lupdate collects every marked text into translations/quintor_en.ts (`ninja -C build
// update_translations`); the build compiles it into the program. With German chosen no
// translator is installed and every text is its source, unchanged.
#pragma once

#include "engine/board.h"
#include "engine/generate.h"

#include <QCoreApplication>
#include <QString>

// The languages of the interface, German first: the default whatever the system's locale.
enum class Language { Deutsch, English };

// One translation context per subsystem.
class AppTexts { // start-up, window, working folder, status strip
    Q_DECLARE_TR_FUNCTIONS(AppTexts)
};
class MenuTexts { // the menu item table and the menu commands' messages
    Q_DECLARE_TR_FUNCTIONS(MenuTexts)
};
class PanelTexts { // the information panels
    Q_DECLARE_TR_FUNCTIONS(PanelTexts)
};
class PlayTexts { // board, play loop, palette, button bar, editor, hints
    Q_DECLARE_TR_FUNCTIONS(PlayTexts)
};
class FileTexts { // board files, the slot dialog, the game in progress
    Q_DECLARE_TR_FUNCTIONS(FileTexts)
};
class FameTexts { // the hall of fame and its dialogs
    Q_DECLARE_TR_FUNCTIONS(FameTexts)
};
class PrintTexts { // the printout
    Q_DECLARE_TR_FUNCTIONS(PrintTexts)
};
class HelpTexts { // help viewers and the about window
    Q_DECLARE_TR_FUNCTIONS(HelpTexts)
};

// The translation of a source text held in a QString (marked where it was written).
template <class Context> QString translated(const QString& source) {
    return Context::tr(source.toUtf8().constData());
}

// The name the difficulty panel and the printout show for the puzzle in play (as
// difficultyNameOf in the engine), translated: a generated level's followed by one blank,
// or else the defined difficulty's with its blanks.
QString difficultyText(Difficulty difficulty, const PuzzleOrigin& origin);
// The name of a generated level (index into kGeneratedLevels), translated.
QString generatedLevelText(int level);
