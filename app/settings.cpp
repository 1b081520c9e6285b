// The settings file: a few "name=value" lines under one section heading, written as a
// whole through the platform's atomic write.
#include "app/settings.h"

#include "session/game.h"

#include <QList>

namespace {

constexpr qint64 kMaxSettingsSize = 4096; // far more than the file ever holds

const char* const kDifficultyNames[] = {"Leicht", "Mittel", "Schwer", "Extrem"};
const char* const kLanguageNames[] = {"Deutsch", "English"};
const char* const kSchemeNames[] = {"Klassisch", "Dunkel", "System"};

} // namespace

QByteArray settingsText(const Game& g) {
    QByteArray text("[Quintor]\n");
    text +=
        QByteArray("Schwierigkeit=") + kDifficultyNames[difficultyIndex(g.state.difficulty)] + '\n';
    text += QByteArray("Anzeige=") + (g.state.board.options.showDigits ? "Zahlen" : "Buchstaben") +
            '\n';
    text +=
        QByteArray("Symmetrie=") + (g.state.board.options.symmetricPuzzle ? "ja" : "nein") + '\n';
    text += QByteArray("Sprache=") + kLanguageNames[g.ui.language == Language::English] + '\n';
    // The classic colours are the default: a file that never chose others does not name them.
    if (g.ui.colourScheme != ColourScheme::Classic)
        text += QByteArray("Farben=") + kSchemeNames[static_cast<int>(g.ui.colourScheme)] + '\n';
    return text;
}

void loadSettings(Game& g) {
    const ReadResult file = g.platform.readFile(kSettingsFileName, kMaxSettingsSize);
    if (file) {
        for (QByteArray line : file->split('\n')) {
            line = line.trimmed();
            const qsizetype equals = line.indexOf('=');
            if (equals <= 0) continue;
            const QByteArray name = line.left(equals).trimmed();
            const QByteArray value = line.mid(equals + 1).trimmed();
            if (name == "Schwierigkeit") {
                for (int d = 0; d < 4; ++d)
                    if (value == kDifficultyNames[d])
                        g.state.difficulty = static_cast<Difficulty>(d);
            } else if (name == "Anzeige" && (value == "Zahlen" || value == "Buchstaben")) {
                g.state.board.options.showDigits = value == "Zahlen";
            } else if (name == "Symmetrie" && (value == "ja" || value == "nein")) {
                g.state.board.options.symmetricPuzzle = value == "ja";
            } else if (name == "Sprache") {
                for (int l = 0; l < 2; ++l)
                    if (value == kLanguageNames[l]) g.ui.language = static_cast<Language>(l);
            } else if (name == "Farben") {
                for (int s = 0; s < 3; ++s)
                    if (value == kSchemeNames[s]) g.ui.colourScheme = static_cast<ColourScheme>(s);
            }
        }
    }
    // What the file holds now, as far as it matters: a damaged or missing file is written
    // anew only once a choice changes.
    g.state.settingsOnDisk = settingsText(g);
}

void saveSettings(Game& g) {
    if (g.state.settingsOnDisk.isEmpty()) return; // the file was never read: nothing to keep
    const QByteArray text = settingsText(g);
    if (text == g.state.settingsOnDisk) return;
    if (g.platform.writeFile(kSettingsFileName, text).ok) g.state.settingsOnDisk = text;
}
