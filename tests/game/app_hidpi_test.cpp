// High resolution: at a device pixel ratio of 2 the layout stays in logical pixels while
// the back buffer holds twice the pixels, so lines and text are drawn at full resolution.
#include "app/screen.h"
#include "app/win0.h"
#include "platform/qt_platform.h"
#include "support/scripted_platform.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

TEST(HiDpi, StartScreenAtRatioTwoKeepsTheLayoutAndDoublesThePixels) {
    QImage image(QSize(1052, 787) * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    image.fill(Qt::black);
    ScriptedPlatform platform;
    Canvas canvas(&image);
    Game g(platform, canvas);
    fillColourTable(g);
    canvas.clear(Colour::WindowBackground);
    captureBackgroundStrips(g);
    drawStartScreen(g);

    // The blue box line of grid 0 at logical x 114 is two logical pixels wide: four device
    // pixels, all blue, with white cells on both sides.
    for (int dx = 0; dx < 4; ++dx)
        EXPECT_EQ(image.pixelColor(2 * 114 + dx, 2 * 30), colour(4)) << dx;
    EXPECT_EQ(image.pixelColor(2 * 114 - 1, 2 * 30), colour(15));
    EXPECT_EQ(image.pixelColor(2 * 116, 2 * 30), colour(15));
    // The dark red shared-box outline and the background keep their logical places.
    EXPECT_EQ(image.pixelColor(2 * 250, 2 * 213), colour(1));
    EXPECT_EQ(image.pixelColor(2 * 1040, 2 * 100), colour(12));
    // Captured strips keep the ratio, so pasting them erases exactly their logical area.
    EXPECT_EQ(g.draw.buttonBarBlank.devicePixelRatio(), 2.0);
    EXPECT_EQ(g.draw.buttonBarBlank.size(), QSize(690, 26) * 2);
}

// Run as its own test with QT_SCALE_FACTOR=2 (tests/CMakeLists.txt): the real window's
// back buffer is made at device resolution.
TEST(HiDpi, WindowBackBufferFollowsTheScreenRatio) {
    QtPlatform platform;
    Win_0 window(platform);
    const qreal ratio = window.devicePixelRatioF();
    if (qEnvironmentVariable("QT_SCALE_FACTOR") == QLatin1String("2")) {
        EXPECT_EQ(ratio, 2.0);
    }
    // Qt's scaling enlarges the window as a whole; the font test sees the same desktop.
    EXPECT_FALSE(isLargeFontSystem(standardTextHeight()));
    EXPECT_EQ(window.backBuffer().devicePixelRatio(), ratio);
    EXPECT_EQ(window.backBuffer().size(), (QSizeF(1052, 787) * ratio).toSize());
}
