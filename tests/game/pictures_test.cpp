// The pictures of the game at scale 1, compared with fingerprints recorded from the game as
// it looked before its code was restructured: the start screen, a new game, the open palette,
// the board full of notes, the pause cover and the printed page. A restructure of the code
// must leave every one of them pixel for pixel as it was. When a picture changes on purpose,
// the failure names the new fingerprint and where the picture was written, to check it by eye
// and then update tests/reference/pictures.txt.
#include "session/game.h"
#include "app/menu.h"
#include "app/screen.h"
#include "panels/info.h"
#include "print/printout.h"
#include "support/scripted_platform.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>
#include <gtest/gtest.h>

#include <map>

namespace {

QString fingerprint(const QImage& picture) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (int y = 0; y < rgb.height(); ++y)
        hash.addData(
            QByteArrayView(reinterpret_cast<const char*>(rgb.constScanLine(y)), rgb.width() * 4));
    return QString::fromLatin1(hash.result().toHex());
}

std::map<QString, QString> recordedFingerprints() {
    std::map<QString, QString> recorded;
    QFile file(QStringLiteral(QUINTOR_TESTS_DIR "/reference/pictures.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return recorded;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        const QStringList parts = line.split(u' ', Qt::SkipEmptyParts);
        if (parts.size() == 2) recorded[parts[0]] = parts[1];
    }
    return recorded;
}

void expectRecorded(const QString& name, const QImage& picture) {
    ASSERT_FALSE(picture.isNull()) << name.toStdString() << " was not drawn";
    static const std::map<QString, QString> recorded = recordedFingerprints();
    const QString actual = fingerprint(picture);
    const auto found = recorded.find(name);
    if (found != recorded.end() && found->second == actual) return;
    const QString saved = QDir::temp().filePath(QStringLiteral("picture-%1.png").arg(name));
    picture.save(saved);
    ADD_FAILURE() << name.toStdString() << ": fingerprint " << actual.toStdString()
                  << (found == recorded.end() ? " (none recorded)"
                                              : ", recorded " + found->second.toStdString())
                  << "; the picture is in " << saved.toStdString();
}

} // namespace

TEST(Pictures, StayAsRecorded) {
    TestWorld w;
    Game& g = w.g();
    w.canvas.clear(Colour::WindowBackground);
    captureBackgroundStrips(g);
    drawStartScreen(g);
    expectRecorded(QStringLiteral("start"), w.image);

    // One new game of the first collection record (fixed seed), driven through its loop; each
    // picture is taken when the event after the step that drew it is taken.
    w.platform.copyDataFile(QStringLiteral("leicht.qnt"));
    std::map<QString, QImage> taken;
    int taking = 0;
    // The event taken at index i shows the screen the events before it drew: the click is a
    // move and a press, the palette is open while its Esc is taken.
    const char* names[] = {"newgame", "", "", "palette", "", "", "pause", "", "notes"};
    w.platform.onEvent = [&](const Event&) {
        if (taking == 0) {
            // The board is loaded now: open the palette on its first empty cell of grid 0.
            for (int r = 1; r <= 9 && w.platform.events.empty(); ++r)
                for (int c = 1; c <= 9 && w.platform.events.empty(); ++c)
                    if (g.state.board.cellValue(0, c, r) == 0)
                        w.platform.leftClick(gridLeft(0) + 33 * (c - 1) + 16,
                                             gridTop(0) + 33 * (r - 1) + 16);
            w.platform.typed(27); // closes the palette
            w.platform.key(27);
            w.platform.key('P');  // the pause cover
            w.platform.key('X');  // resumes
            w.platform.key('F');  // every note
            w.platform.typed(27); // leaves the game
            w.platform.key(27);
        }
        if (taking < 9 && *names[taking])
            taken[QString::fromLatin1(names[taking])] = w.image.copy();
        ++taking;
    };
    w.platform.move(1, 1);
    Win_0_MenuEvent(g, menuNumber(MenuId::NewGame));
    joinClockTicker(g);
    for (const char* name : names)
        if (*name) expectRecorded(QString::fromLatin1(name), taken[QString::fromLatin1(name)]);

    // The printed page of that board, rasterised at 50 dots per inch.
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        GTEST_SKIP() << "pdftoppm is not installed";
    w.platform.onEvent = nullptr;
    printBoard(g);
    const QString pdf = w.platform.path(w.platform.printFile);
    QProcess p;
    p.start(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("50"), QStringLiteral("-singlefile"),
             QStringLiteral("-png"), pdf, pdf + QStringLiteral(".page")});
    p.waitForFinished(60000);
    expectRecorded(QStringLiteral("printout"), QImage(pdf + QStringLiteral(".page.png")));
}
