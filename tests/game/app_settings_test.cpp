// The settings file: the player's difficulty, display and symmetry kept across starts, the
// start values for a missing or damaged file, and no other file touched.
#include "session/game.h"
#include "app/menu.h"
#include "app/settings.h"
#include "support/scripted_platform.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

void writeSettings(TestWorld& w, const QByteArray& bytes) {
    QFile f(w.platform.path(kSettingsFileName));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readSettings(TestWorld& w) {
    QFile f(w.platform.path(kSettingsFileName));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(Settings, ReadAtStartWithStartValuesForWhatIsMissingOrDamaged) {
    struct Case {
        const char* name;
        QByteArray file; // empty: no file
        Difficulty difficulty;
        bool digits, symmetric;
    };
    const Case cases[] = {
        {"no file", {}, Difficulty::Leicht, true, true},
        {"all three", "[Quintor]\nSchwierigkeit=Extrem\nAnzeige=Buchstaben\nSymmetrie=nein\n",
         Difficulty::Extrem, false, false},
        {"CR LF and blanks", "[Quintor]\r\n Schwierigkeit = Schwer \r\nAnzeige=Zahlen\r\n",
         Difficulty::Schwer, true, true},
        {"unknown values", "Schwierigkeit=Ultra\nAnzeige=7\nSymmetrie=vielleicht\n",
         Difficulty::Leicht, true, true},
        {"one good entry among damage", "\xff\xfe garbage\nSymmetrie=nein\n=x\nAnzeige\n",
         Difficulty::Leicht, true, false},
        {"far too large", QByteArray(100000, 'x') + "\nSchwierigkeit=Extrem\n", Difficulty::Leicht,
         true, true},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.name);
        TestWorld w;
        if (!t.file.isEmpty()) writeSettings(w, t.file);
        loadSettings(w.g());
        EXPECT_EQ(w.g().state.difficulty, t.difficulty);
        EXPECT_EQ(w.g().state.board.options.showDigits, t.digits);
        EXPECT_EQ(w.g().state.board.options.symmetricPuzzle, t.symmetric);
        // Reading writes nothing, not even over a damaged file.
        Win_0_MenuEvent(w.g(), menuNumber(MenuId::Leicht) + difficultyIndex(t.difficulty));
        EXPECT_TRUE(w.platform.writtenFiles.empty());
        if (!t.file.isEmpty()) {
            EXPECT_EQ(readSettings(w), t.file);
        }
    }
}

TEST(Settings, ChoicesOfOneStartAreThoseOfTheNext) {
    TestWorld first;
    loadSettings(first.g());
    for (MenuId id : {MenuId::Schwer, MenuId::Letters, MenuId::Symmetry})
        Win_0_MenuEvent(first.g(), menuNumber(id));
    // Only the settings file, written once per changed choice, atomically.
    EXPECT_EQ(first.platform.writtenFiles,
              (std::vector<QString>{kSettingsFileName, kSettingsFileName, kSettingsFileName}));
    const QByteArray text = readSettings(first);

    TestWorld next;
    writeSettings(next, text);
    loadSettings(next.g());
    updateMenuChecks(next.g());
    EXPECT_EQ(next.g().state.difficulty, Difficulty::Schwer);
    EXPECT_FALSE(next.g().state.board.options.showDigits);
    EXPECT_FALSE(next.g().state.board.options.symmetricPuzzle);
    EXPECT_TRUE(next.platform.menuChecks[menuNumber(MenuId::Schwer)]);
    EXPECT_TRUE(next.platform.menuChecks[menuNumber(MenuId::Letters)]);
    EXPECT_FALSE(next.platform.menuChecks[menuNumber(MenuId::Symmetry)]);

    // A failed write is tried again after the next command; nothing is lost meanwhile.
    next.platform.failWrites = true;
    Win_0_MenuEvent(next.g(), menuNumber(MenuId::Digits));
    EXPECT_EQ(readSettings(next), text);
    next.platform.failWrites = false;
    Win_0_MenuEvent(next.g(), menuNumber(MenuId::Schwer));
    EXPECT_EQ(next.platform.writtenFiles, std::vector<QString>{kSettingsFileName});
    EXPECT_TRUE(readSettings(next).contains("Anzeige=Zahlen"));
}
