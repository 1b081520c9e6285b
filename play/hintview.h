// The hint key T of the play loop and the editor, and the explanation that follows the
// solver's "Das Brett läßt sich nicht eindeutig lösen?". Called by playLoop, boardEditor
// and solveBoard.
#pragma once

struct Board;
struct Event;
struct Game;

// Key T: the next step on the board (or a wrong entry of the player) as one sentence in the
// help line, its cell outlined and its units tinted. Never fills a cell. In a timed game it
// first asks whether the clock may stop.
void showHint(Game& g);
// Before the loop acts on a key, a press or a menu command: a hint still on screen is taken
// off again, its marks and its sentence.
void clearHint(Game& g, const Event& e);
// After the solver gave up on the board it started from: says whether that board has one
// solution needing stronger steps (and offers to show it), none, or several.
void explainSolveFailure(Game& g, const Board& before);
