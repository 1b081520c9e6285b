// The game tests run with a QApplication on the offscreen platform, in an empty temporary
// working directory: tests on the real window and platform name their files relative to
// it (the game in progress, the hall of fame), and none of them may land in the source tree.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    QTemporaryDir workingDirectory;
    if (!workingDirectory.isValid() || !QDir::setCurrent(workingDirectory.path())) return 1;
    return RUN_ALL_TESTS();
}
