// A game drawing on an image at a view scale, for the tests that compare pictures at other
// scales: the image sized as the window's back buffer at that scale, a scripted platform,
// the canvas (recording what it draws when asked) and the game, its colour table filled.
#pragma once

#include "app/screen.h"
#include "session/game.h"
#include "support/scripted_platform.h"

#include <QImage>
#include <QtMath>

struct ScaledWorld {
    explicit ScaledWorld(qreal scale, bool recording = false)
        : image(qCeil(1052 * scale), qCeil(787 * scale), QImage::Format_RGB32) {
        image.fill(Qt::black);
        canvas.setViewScale(scale);
        canvas.setRecording(recording);
        fillColourTable(game);
    }

    // The window as the program starts: the plain background, the strips of it kept for
    // erasing, the start screen.
    void drawStart() {
        canvas.clear(Colour::WindowBackground);
        captureBackgroundStrips(game);
        drawStartScreen(game);
    }

    QImage image;
    ScriptedPlatform platform;
    Canvas canvas{&image};
    Game game{platform, canvas};
};
