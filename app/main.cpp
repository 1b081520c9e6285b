// Program entry: start-up in its defined order, then the main loop until the window is gone.
#include "session/game.h"
#include "app/colours.h"
#include "app/language.h"
#include "app/menu.h"
#include "app/screen.h"
#include "app/settings.h"
#include "app/startup.h"
#include "app/win0.h"
#include "files/resume.h"
#include "halloffame/halloffame.h"
#include "halloffame/statistics.h"
#include "help/help.h"
#include "help/qtgerman.h"
#include "platform/fileio.h"
#include "platform/qt_platform.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <random>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quintor"));
    QGuiApplication::setDesktopFileName(QStringLiteral("de.velmo.quintor"));
    installQtGermanTranslations(app);
    const QString workingDirectoryMessage = enterWorkingDirectory();
    // Half-written files of a game killed while saving.
    removeStaleTemporaryFiles(QDir::currentPath());
    try {
        // 2. The main window. Its client area holds the whole drawing (0, 0)-(1051, 786)
        //    below the menu bar; the position is that of the whole window, the window
        //    manager's frame and title bar included.
        QtPlatform platform;
        Win_0 window(platform);
        window.endProgram = [](int status) { QCoreApplication::exit(status); };
        // 1. Position, centred on the screen's free area and 32 pixels higher, and the view
        //    scale at which the whole window fits there.
        window.placeOnScreen(QGuiApplication::primaryScreen()->availableGeometry());
        window.show();

        // 3.-4. Colour table and shared state; the hall of fame is loaded at once.
        Canvas canvas;
        window.attachCanvas(canvas);
        auto game = std::make_unique<Game>(platform, canvas, std::random_device{}());
        Game& g = *game;
        fillColourTable(g);
        loadHallOfFame(g);
        loadStatistics(g); // the results per level, beside the hall of fame
        loadSettings(g);   // the player's difficulty, display, symmetry and language
        if (!installLanguage(g.ui.language)) g.ui.language = Language::Deutsch;
        window.setGame(&g);
        applyColourScheme(g); // before anything is drawn: the chosen colours from the start

        // 5. Menu bar and its check marks.
        window.buildMenuBar();
        updateMenuChecks(g);

        // 6.-8. Cleared client area; the window icon, which the dialogs take over from
        //       the main window; the background strips before anything is drawn.
        canvas.clear(Colour::WindowBackground);
        window.setWindowIcon(programIcon());
        captureBackgroundStrips(g);

        // 9. Help line and clock label.
        g.ui.helpText =
            QStringLiteral(QT_TRANSLATE_NOOP("PanelTexts", "Bitte Menupunkt auswählen!"));
        window.createClockLabel();

        // 10.-12. The first screen, the help viewer, the default font.
        drawStartScreen(g);
        g.ui.help.htmlHelpAvailable = isHtmlHelpSystem(platformVersion());
        selectFont(g, 16);
        if (!workingDirectoryMessage.isEmpty()) platform.warning(workingDirectoryMessage);

        // The folder's game in progress is this game's unless another running game has
        // it (said at once). A game kept at the last exit is offered first, as a command
        // of its own once the main loop runs.
        claimGameInProgress(g);
        endOnTerminationSignals([&g] { keepGameInProgressAtExit(g); });
        if (platform.fileExists(gameInProgressFileName()))
            QTimer::singleShot(
                0, &window, [&window] { window.runMenuCommand(menuNumber(MenuId::ResumeGame)); });

        // 13. The main loop: menu commands and the close box are handled by the window.
        const int status = QApplication::exec();
        game.reset(); // stops the clock ticker before the window goes
        return status;
    } catch (const QuitRequested&) {
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "quintor: %s\n", e.what());
        return 1;
    }
}
