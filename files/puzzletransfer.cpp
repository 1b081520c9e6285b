// Pasting and copying puzzles as text (see puzzletransfer.h). The text is read and checked
// by engine/puzzletext, off the user-interface thread: the check counts the completions.
#include "files/puzzletransfer.h"

#include "session/game.h"
#include "engine/puzzletext.h"
#include "engine/search.h"

#include <QFileInfo>

#include <string>

namespace {

// A puzzle text is some 460 bytes; anything far larger is none.
constexpr qint64 kTextReadLimit = 64 * 1024;

// The text read and checked, and the solution of a good puzzle.
struct CheckedText {
    PuzzleText read;
    BoardArray solution;
};

CheckedText checkInBackground(Game& g, const QString& text) {
    const std::string bytes = text.toStdString();
    CheckedText checked;
    g.platform.runInBackground([&bytes, &checked] {
        checked.read = readPuzzleText(bytes);
        if (checked.read.error) return;
        Board b;
        b.cellValue = checked.read.values;
        countSolutions(b, 2, &checked.solution);
    });
    return checked;
}

// A text with a line count of neither form is taken for no puzzle at all, not for a
// puzzle with a fault.
bool isNoPuzzleAtAll(const PuzzleText& read) {
    return read.error && read.error->problem == PuzzleTextProblem::WrongSize &&
           read.error->line == 0;
}

QString cellPlace(const PuzzleTextError& e) {
    QString place = FileTexts::tr("Gitter %1, Zeile %2, Spalte %3")
                        .arg(e.grid + 1)
                        .arg(e.gridRow)
                        .arg(e.gridColumn);
    if (e.line > 0) place += FileTexts::tr(" (Textzeile %1, Zeichen %2)").arg(e.line).arg(e.column);
    return place;
}

QString reason(const PuzzleTextError& e) {
    switch (e.problem) {
    case PuzzleTextProblem::WrongSize:
        if (e.line == 0)
            return FileTexts::tr("Der Text hat %1 %2. Ein Rätsel hat 21 Zeilen zu 21 Zeichen (das "
                                 "Feld, wie es gezeichnet ist) oder 5 Zeilen zu 81 Zeichen "
                                 "(die Gitter der Reihe nach).")
                .arg(e.count)
                .arg(e.count == 1 ? FileTexts::tr("Zeile") : FileTexts::tr("Zeilen"));
        return FileTexts::tr("Textzeile %1 hat %2 Zeichen: Mit 21 Zeilen sind es höchstens 21 "
                             "je Zeile, mit 5 Zeilen genau 81.")
            .arg(e.line)
            .arg(e.count);
    case PuzzleTextProblem::BadCharacter: {
        const auto code = static_cast<unsigned char>(e.character);
        const QString shown = code > 32 && code < 127
                                  ? QStringLiteral("„%1“").arg(QChar(e.character))
                                  : FileTexts::tr("Ein fremdes Zeichen");
        if (e.grid < 0)
            return FileTexts::tr("Textzeile %1, Zeichen %2: %3 steht außerhalb der Gitter; "
                                 "dort gehört ein Leerzeichen hin.")
                .arg(e.line)
                .arg(e.column)
                .arg(shown);
        return FileTexts::tr("%1: %2 ist keine Ziffer. In einem Feld steht 1 bis 9, oder "
                             "ein Punkt oder eine 0 für ein leeres Feld.")
            .arg(cellPlace(e), shown);
    }
    case PuzzleTextProblem::CopiesDiffer:
        return FileTexts::tr("Das Feld in %1 gehört zu zwei Gittern und hat in ihnen "
                             "verschiedene Ziffern.")
            .arg(cellPlace(e));
    case PuzzleTextProblem::DigitRepeated:
        return FileTexts::tr("Die Ziffer in %1 steht in ihrer Zeile, ihrer Spalte oder ihrem "
                             "Kasten schon einmal.")
            .arg(cellPlace(e));
    case PuzzleTextProblem::NoSolution:
        if (e.grid < 0) return FileTexts::tr("Das Rätsel hat keine Lösung.");
        return FileTexts::tr("Das Rätsel hat keine Lösung: In %1 passt keine Ziffer.")
            .arg(cellPlace(e));
    case PuzzleTextProblem::SeveralSolutions:
        return FileTexts::tr("Das Rätsel hat mehr als eine Lösung: In %1 sind verschiedene "
                             "Ziffern möglich.")
            .arg(cellPlace(e));
    }
    return {};
}

const char* const kClipboardSource =
    QT_TRANSLATE_NOOP("FileTexts", "Der Text in der Zwischenablage");

QString fileSource(const QString& path) {
    return FileTexts::tr("Die Datei „%1“").arg(QFileInfo(path).fileName());
}

} // namespace

QString puzzleTextMessage(const PuzzleTextError& error, const QString& source) {
    return FileTexts::tr("%1 ist kein Rätsel, das sich einfügen lässt.\n%2")
        .arg(source, reason(error));
}

std::optional<PastedPuzzle> readPastedPuzzle(Game& g) {
    const QString clipboard = g.platform.clipboardText();
    CheckedText checked;
    const bool clipboardHasText = !clipboard.trimmed().isEmpty();
    if (clipboardHasText) checked = checkInBackground(g, clipboard);
    if (!clipboardHasText || isNoPuzzleAtAll(checked.read)) {
        const QString path =
            g.platform.chooseTextFile(FileTexts::tr("Rätsel aus einer Textdatei einfügen"));
        if (path.isEmpty()) {
            // No file instead: what the clipboard holds is the answer.
            if (clipboardHasText)
                g.platform.warning(
                    puzzleTextMessage(*checked.read.error, FileTexts::tr(kClipboardSource)));
            else
                g.platform.warning(
                    FileTexts::tr("In der Zwischenablage steht kein Rätsel.\nKopieren Sie "
                                  "ein Rätsel als Text (21 Zeilen zu 21 Zeichen) oder "
                                  "wählen Sie eine Textdatei."));
            return std::nullopt;
        }
        const ReadResult bytes = g.platform.readFile(path, kTextReadLimit);
        if (!bytes) {
            g.platform.warning(FileTexts::tr("Die Datei „%1“ kann nicht gelesen werden.\n%2")
                                   .arg(QFileInfo(path).fileName(), bytes.error));
            return std::nullopt;
        }
        checked = checkInBackground(g, QString::fromUtf8(*bytes));
        if (checked.read.error) {
            g.platform.warning(puzzleTextMessage(*checked.read.error, fileSource(path)));
            return std::nullopt;
        }
    } else if (checked.read.error) {
        g.platform.warning(puzzleTextMessage(*checked.read.error, FileTexts::tr(kClipboardSource)));
        return std::nullopt;
    }
    return PastedPuzzle{checked.read.values, checked.solution};
}

void copyPuzzleCommand(Game& g) {
    const Board& b = g.state.board;
    bool anyGiven = false;
    for (int grid = 0; grid <= 4; ++grid)
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r) anyGiven = anyGiven || b.givenValue(grid, c, r) != 0;
    if (!anyGiven) {
        g.platform.messageBox(FileTexts::tr("Auf dem Brett steht kein Rätsel, das sich "
                                            "kopieren lässt."),
                              QStringLiteral("OK"), 1, MessageIcon::Information);
        return;
    }
    g.platform.setClipboardText(QString::fromStdString(writePuzzleText(b.givenValue)));
}
