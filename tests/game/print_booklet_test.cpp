// The puzzle booklet through the menu: the dialog heft, one page per generated puzzle and
// the solutions four a page, in the PDF and in the pages' texts; every cancel prints nothing.
#include "app/menu.h"
#include "platform/platform.h"
#include "print/booklet.h"

#include "support/scripted_platform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace {

constexpr int kBooklet = 13;

// Answers the dialog heft with the level, count and symmetry, then OK or Abbrechen.
void answerBooklet(ScriptedPlatform& p, int level, int count, bool ok = true) {
    p.onModal = [=](QWidget* form) {
        ASSERT_EQ(form->objectName(), QStringLiteral("heft"));
        auto& heft = *static_cast<BookletDialog*>(form);
        heft.cmb1->setCurrentIndex(level);
        heft.spn1->setValue(count);
        heft.chk1->setChecked(true);
        (ok ? heft.cmd1 : heft.cmd2)->click();
    };
}

int pdfPages(const QString& file) {
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {file});
    if (!pdfinfo.waitForFinished(30000)) return -1;
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
            .match(QString::fromUtf8(pdfinfo.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// The text of page `page` as pdftotext reads it.
QString pdfPageText(const QString& file, int page) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                     QString::number(page), file, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000)) return {};
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// The one-digit texts of a page: the printed values.
int valueTexts(const std::vector<Canvas::TextRecord>& page) {
    int n = 0;
    for (const Canvas::TextRecord& t : page) n += t.text.size() == 1 && t.text[0].isDigit();
    return n;
}

bool hasText(const std::vector<Canvas::TextRecord>& page, const QString& text) {
    for (const Canvas::TextRecord& t : page)
        if (t.text.contains(text)) return true;
    return false;
}

} // namespace

TEST(PrintBooklet, PrintsEachPuzzleOnAPageThenTheSolutionsFourAPage) {
    TestWorld w;
    Game& g = w.g();
    g.state.board.givenValue(0, 1, 1) = g.state.board.cellValue(0, 1, 1) = 4;
    const Board before = g.state.board;
    const PuzzleOrigin origin = g.state.origin;
    answerBooklet(w.platform, 1, 5); // Fortgeschritten

    Win_0_MenuEvent(g, kBooklet);

    EXPECT_TRUE(w.platform.messages.empty());
    EXPECT_EQ(w.platform.backgroundRuns, 1);
    const QString pdf = w.platform.path(w.platform.printFile);
    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(pdfPages(pdf), 5 + 2);
    for (int k = 1; k <= 5; ++k) {
        const QString text = pdfPageText(pdf, k);
        EXPECT_TRUE(text.contains(QStringLiteral("QUINTOR-SUDOKU"))) << k;
        EXPECT_TRUE(text.contains(QStringLiteral("Schwierigkeitsgrad: Fortgeschritten mit "))) << k;
        EXPECT_TRUE(text.contains(QStringLiteral("Rätsel %1 von 5").arg(k))) << k;
    }
    EXPECT_TRUE(pdfPageText(pdf, 6).contains(QStringLiteral("LÖSUNG 4")));
    // The last page, as its canvas drew it: the fifth solution alone, every cell filled
    // (both copies of a shared cell), named by level and number.
    const auto& last = w.platform.printedTexts;
    EXPECT_EQ(valueTexts(last), 5 * 81);
    EXPECT_TRUE(hasText(last, QStringLiteral("LÖSUNG 5")));
    EXPECT_TRUE(hasText(last, QStringLiteral("Fortgeschritten, Rätsel 5 von 5")));
    // The board in play is untouched.
    EXPECT_EQ(g.state.board.cellValue, before.cellValue);
    EXPECT_EQ(g.state.board.givenValue, before.givenValue);
    EXPECT_EQ(g.state.origin, origin);
}

TEST(PrintBooklet, CancellingTheDialogThePrinterOrTheGeneratorPrintsNothing) {
    TestWorld w;
    Game& g = w.g();
    const QString pdf = w.platform.path(w.platform.printFile);

    answerBooklet(w.platform, 0, 3, false);
    Win_0_MenuEvent(g, kBooklet);
    EXPECT_EQ(w.platform.backgroundRuns, 0);

    w.platform.hasDefaultPrinter = false;
    w.platform.printerDialogAccepts = false;
    answerBooklet(w.platform, 0, 3);
    Win_0_MenuEvent(g, kBooklet);
    EXPECT_EQ(w.platform.printerDialogs, 1);
    // A file of its own beside the board printout's, which it would otherwise replace.
    EXPECT_EQ(
        w.platform.offeredPrintFile,
        QFileInfo(printDialogFile()).dir().filePath(QStringLiteral("Quintor-Rätselheft.pdf")));
    EXPECT_EQ(w.platform.backgroundRuns, 0);
    EXPECT_TRUE(w.platform.messages.empty());

    w.platform.hasDefaultPrinter = true;
    w.platform.cancelWork = true;
    answerBooklet(w.platform, 0, 3);
    Win_0_MenuEvent(g, kBooklet);
    EXPECT_EQ(w.platform.backgroundRuns, 1);
    ASSERT_EQ(w.platform.messages.size(), 1u);
    EXPECT_TRUE(w.platform.messages[0].text.contains(QStringLiteral("nichts gedruckt")));

    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(w.platform.printedTexts.empty());
}
