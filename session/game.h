// The shared state of the program, owned by one Game object created in main (or in a test).
// Every subsystem procedure takes the Game it works on; there are no mutable globals.
#pragma once

#include "engine/board.h"
#include "engine/generate.h"
#include "engine/hint.h"
#include "engine/history.h"
#include "engine/random.h"
#include "platform/canvas.h"
#include "platform/platform.h"
#include "platform/texts.h"
#include "session/parts.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPointer>
#include <QString>

#include <array>
#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class QLockFile;
class QWidget;
struct CommandTable;

// The game clock, shared between the user-interface thread and the clock ticker.
// The flags are atomic; the elapsed-time fields sit behind `mutex`.
struct ClockState {
    std::atomic<bool> clockRunning{false};
    std::atomic<bool> finishingGame{false};
    std::atomic<bool> paletteBusy{false};
    std::atomic<bool> tickerStop{false}; // tells an old ticker to end before a new one starts
    std::atomic<bool> paused{false};     // the game is paused: the ticker leaves the label
    std::mutex mutex;                    // guards the fields below
    double startTime = 0;                // platform time at which the game clock started
    double lastTick = -1;                // whole-second part of the time at the last refresh
    double pausedAt = 0;                 // platform time at which the current pause began
    double elapsedSeconds = 0;           // seconds left over after whole hours and minutes
    int elapsedHours = 0;
    int elapsedMinutes = 0;
    std::string finishTime = "X"; // final time of the last solved timed game, hh:mm:ss.s
    std::thread ticker;           // the running clockTicker, if any
};

// The game-in-progress file: when it was last written and the board it holds then, the
// lock that makes it this game's, and whether this game must leave it alone.
struct GameInProgressState {
    double lastWrite = -1e9;             // platform time of the last write
    double timeWrittenAt = -1e9;         // platform time up to which the file holds the time played
    std::vector<std::uint8_t> lastImage; // the board part of the file written last; empty: none
    bool failureShown = false;           // a failed write was reported and none succeeded since
    bool claimed = false;                // the folder's lock was tried
    std::shared_ptr<QLockFile> lock;     // held for the whole run once this game has it
    // The file is not this game's to write or remove: another game holds the folder, or
    // the file is one the game promised to keep as it is (damaged and not moved aside,
    // or left for the next start when the resume question was dismissed).
    bool handsOff = false;
    bool writeScheduled = false;      // a write waits for its second
    bool clockWriteScheduled = false; // a write of the time played waits (the clock runs)
    std::shared_ptr<int> alive = std::make_shared<int>(0); // ends with the game: later calls
};

// The 21 x 21 field of the five grids (kFieldSize, kGridOrigin): engine/layout.h.
constexpr int kFieldCells = kFieldSize * kFieldSize;

// Marks drawn on the board's cells beside the defined look, per cell of the 21 x 21 field
// (index fieldRow * 21 + fieldColumn): a background tint under the value and notes, and an
// outline inside the cell's lines. 0 means none. Board rendering paints them with every
// cell it draws; play/highlight.* decides and changes them.
struct CellMarks {
    std::array<QRgb, kFieldCells> tint{};
    std::array<QRgb, kFieldCells> outline{};
    bool operator==(const CellMarks&) const = default;
};

// What undo, resume and the files care about: the board in play (with its error count and
// verdict), its history, the difficulty, the clock and the board file it came from.
struct GameState {
    Board board;
    History history; // undo and redo of the board in play
    ClockState clock;
    Difficulty difficulty = Difficulty::Leicht;
    PuzzleOrigin origin; // the generated level and puzzle-of-the-day date of the game in play
    // The results level (halloffame/statistics.h) the game in play counts for, -1 for none
    // (an own or loaded board, or a game already counted as solved), and whether a hint was
    // shown in it. Both kept in the game-in-progress file.
    int resultLevel = -1;
    bool hintUsed = false;
    QString timingNote; // why the game in play is not, or no longer, timed (empty: it is)
    int givenCount = 0;
    bool gameStarted = false; // a game loop has run in this session
    QString boardFileName;
    int boardSlot = 0;
    GameInProgressState gameInProgress;
    // The settings file's text as last read or written; a choice changed when it differs.
    // Empty until start-up has read the file: nothing is written before then.
    QByteArray settingsOnDisk;
};

// The cell cursor (keyboard play): its place in the 21 x 21 field, and whether it shows.
struct CursorState {
    bool cursorShown = false;
    int cursorColumn = 0, cursorRow = 0;
};

// The value palette: the value under the pointer, its place and the cell it serves, and the
// background it covers.
struct PaletteState {
    int paletteValue = 0;
    bool paletteCleared = false;
    bool paletteTracking = false;
    bool backgroundSaved = false;
    QImage savedBackground;
    int paletteX = 0, paletteY = 0;        // palette origin (px, py)
    int paletteColumn = 0, paletteRow = 0; // the cell the palette serves
    // Key code of the key last typed into the palette: its release was part of the entry and
    // is no command for the loop the palette returns to (0 = none pending).
    int paletteKeyRelease = 0;
};

// A hint is on screen (outline, tint, sentence); the help text it replaced, and the
// eliminations earlier hints showed: the next hint goes on from them.
struct HintState {
    bool hintShown = false;
    QString helpTextBeforeHint;
    HintMemory hintMemory;
};

// The help windows, while open.
struct HelpWindows {
    bool htmlHelpAvailable = false;
    bool classicHelpOpen = false; // the classic help viewer shows "Quintor.hlp"
    QPointer<QWidget> htmlHelpWindow;
    QPointer<QWidget> classicHelpWindow;
};

// What the player sees and steers outside the board: texts, modes, the pointer, cursor,
// palette, hint and help windows (the dialogs' own state: session/modal.h).
struct UiState {
    Language language = Language::Deutsch; // of the interface: menu 70/71, app/language.*
    ColourScheme colourScheme = ColourScheme::Classic; // menu 72..74, app/colours.*
    QString helpText = QStringLiteral("Bitte Menupunkt auswählen!");
    // The texts the status strip shows beside the caption: the keys of the running game
    // loop as shown, and the source of a note (the timing note, a solved board, how to
    // begin).
    QString stripKeys, stripNote;
    bool editorMode = false;
    bool noteMode = false;
    bool slotDialogMode = false;
    int pointerX = 0, pointerY = 0;
    char solveMemory = 0; // one-letter memory of the hidden solve combination
    // The command table of the game loop taking events (play/commands.h), set by the event
    // pipeline while it runs an event; nullptr outside the loops.
    const CommandTable* commands = nullptr;
    CursorState cursor;
    PaletteState palette;
    HintState hint;
    HelpWindows help;
};

// What drawing keeps between frames: the cell marks, the fonts, and the background strips
// captured at start, pasted to erase.
struct DrawState {
    // Cell marks as they stand on screen, and marks other features lay over the cursor's
    // highlights (for example a hint); see play/highlight.h.
    CellMarks cellMarks;
    CellMarks overlayMarks;
    bool largeFontMode = false;
    int currentFont = 16;            // the numbered font selected last
    bool generatedNameShown = false; // the difficulty panel shows a generated level's name
    QImage buttonBarBlank, gapBlankTop, gapBlankBottom, gapBlankLeft, gapBlankRight;
};

struct Game {
    Game(Platform& platform, Canvas& canvas, std::uint32_t seed = 1)
        : platform(platform), canvas(canvas), random(seed) {}
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;
    ~Game(); // stops and joins the clock ticker

    Platform& platform;
    Canvas& canvas;
    Random random;

    GameState state;
    UiState ui;
    DrawState draw;
    SessionParts parts; // each subsystem's own state, reached through its accessor
};

// Value display: value v (1..9) is shown as the digit "1".."9", or in letter display as the
// capital letter with code 64 + v ("A".."I"). Cells, palette, notes, statistics and the
// printout all follow this one rule.
inline QString valueText(bool showDigits, int value) {
    return QString(QChar((showDigits ? '0' : '@') + value));
}

// The two capital letters of the hidden solve combination (play loop and editor).
constexpr char kSolveFirstLetter = 'J';
constexpr char kSolveSecondLetter = 'K';
