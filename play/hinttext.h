// The hint key's sentences for the help line, in German or English, from the ladder's data
// (engine/hint.h): the technique names, every form of a step's sentence and the sentences of
// the other outcomes. Plain C++ without Qt, so the tools and the pure tests name the rungs
// as the game does. Used by the hint view, the explanation after the solver gives up and
// the ladder tools.
#pragma once

#include "engine/hint.h"

#include <cstdint>
#include <string>
#include <vector>

// The language of the sentences: German (the game's own) unless the player chose English.
enum class HintLanguage : std::uint8_t { German, English };

// Texts for the player: the technique's name and the sentence for the help line, starting
// "Tipp: " ("Hint: "). Grids are numbered 1..5 (top left, top right, centre, bottom left,
// bottom right); digits are shown as letters when showDigits is false. hintTexts gives the
// sentence from the longest form to the shortest (the caller shows the longest that fits);
// a single names its digit and cell in every form, an elimination that makes a single names
// it in its longest form. hintText is the longest form.
std::string techniqueName(Technique t, HintLanguage language = HintLanguage::German);
std::vector<std::string> hintTexts(const Hint& hint, bool showDigits = true,
                                   HintLanguage language = HintLanguage::German);
std::string hintText(const Hint& hint, bool showDigits = true,
                     HintLanguage language = HintLanguage::German);
// The forms of the sentence for an advice, longest first: a step's forms (hintTexts), or the
// one sentence of each other outcome.
std::vector<std::string> adviceTexts(const HintAdvice& advice, bool showDigits = true,
                                     HintLanguage language = HintLanguage::German);
