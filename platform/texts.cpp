// The translated names of the board model's difficulties and the generated levels.
#include "platform/texts.h"

QString difficultyText(Difficulty difficulty, const PuzzleOrigin& origin) {
    if (origin.level >= 0 && origin.level < kGeneratedLevelCount)
        return generatedLevelText(origin.level) + QLatin1Char(' ');
    // The difficulty names of the board model, with their blanks.
    static const char* const kNames[] = {
        QT_TRANSLATE_NOOP("PanelTexts", " Leicht "), QT_TRANSLATE_NOOP("PanelTexts", " Mittel "),
        QT_TRANSLATE_NOOP("PanelTexts", "Schwer "), QT_TRANSLATE_NOOP("PanelTexts", "Extrem ")};
    return PanelTexts::tr(kNames[difficultyIndex(difficulty)]);
}

QString generatedLevelText(int level) {
    // The names of kGeneratedLevels.
    static const char* const kNames[] = {QT_TRANSLATE_NOOP("PanelTexts", "Einsteiger"),
                                         QT_TRANSLATE_NOOP("PanelTexts", "Fortgeschritten"),
                                         QT_TRANSLATE_NOOP("PanelTexts", "Kenner"),
                                         QT_TRANSLATE_NOOP("PanelTexts", "Meister"),
                                         QT_TRANSLATE_NOOP("PanelTexts", "Großmeister")};
    static_assert(std::size(kNames) == kGeneratedLevelCount);
    return PanelTexts::tr(kNames[level]);
}
