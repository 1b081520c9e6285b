// The real window for the tests that need one: the Qt platform, the main window `Win_0`, a
// canvas on the window's back buffer and a game on them, its colour table filled and the
// game known to the window. Declared in this order, so it is torn down the other way round.
#pragma once

#include "app/screen.h"
#include "app/win0.h"
#include "platform/qt_platform.h"
#include "session/game.h"

namespace window_test {

struct WindowWorld {
    // Window: the window paints through the canvas as the program does (recording, change
    // notices, the window's view scale); BackBuffer: the canvas only draws on the back buffer.
    enum class CanvasUse { BackBuffer, Window };

    QtPlatform platform;
    Win_0 window{platform};
    Canvas canvas{&window.backBuffer()};
    Game game{platform, canvas};

    explicit WindowWorld(CanvasUse use = CanvasUse::BackBuffer) {
        if (use == CanvasUse::Window) window.attachCanvas(canvas);
        fillColourTable(game);
        window.setGame(&game);
    }

    // The window as the program starts: its menu bar, the plain background, the strips of
    // it kept for erasing, the start screen.
    void drawStart() {
        window.buildMenuBar();
        canvas.clear(Colour::WindowBackground);
        captureBackgroundStrips(game);
        drawStartScreen(game);
    }
};

} // namespace window_test
