// Board files: one record of a board file into the board and back, the load and save
// commands around the slot dialog frm1, and the puzzle draw of a new game.
// Called by the menu commands, the play loop's Laden/Sichern and the own-board editor.
#include "files/boardfile.h"

#include "session/game.h"
#include "engine/solver.h"
#include "files/record.h"
#include "files/slotdialog.h"
#include "session/backgroundsearch.h"

#include <QDir>

#include <algorithm>
#include <cstring>

namespace {

const QString kPlayerBoardFile = QStringLiteral("brett.qnt");
// The part of a record that is read: values, givens and notes; the filler after it is not.
constexpr int kRecordDataSize = 2 * kBlockSize + kNoteBlockSize;
// Board files far larger than four records are refused unread.
constexpr qint64 kBoardFileReadLimit = 1024 * 1024;

// What frm1 does with a confirmed slot: the load dialog loads it, the save dialog saves
// into it.
SlotDialog::SlotAction slotAction(Game& g) {
    return [&g](int slot) {
        if (g.ui.slotDialogMode)
            loadBoardRecord(g, slot);
        else
            saveBoardRecord(g, slot);
    };
}

} // namespace

QString collectionFileName(Difficulty difficulty) {
    return QString::fromLatin1(difficultyInfo(difficulty).collectionFile);
}

bool loadBoardRecord(Game& g, int slot) {
    // A loaded board is never a timed game, whatever happens below.
    g.state.clock.clockRunning = false;
    const QString& name = g.state.boardFileName;
    if (!g.platform.fileExists(name)) return false;

    const ReadResult file = g.platform.readFile(name, kBoardFileReadLimit);
    if (!file) {
        g.platform.warning(
            FileTexts::tr("Die Datei \"%1\" kann nicht gelesen werden.\n%2\nDas Brett "
                          "bleibt, wie es ist.")
                .arg(name, file.error));
        return false;
    }
    // The filler at the end of a record is never read, so a record needs its data only.
    const qsizetype start = qsizetype(slot) * kRecordSize;
    if (file->size() < start + kRecordDataSize) {
        g.platform.warning(FileTexts::tr("Die Datei \"%1\" ist zu kurz: Brett %2 ist darin nicht "
                                         "gespeichert.\nDas Brett bleibt, wie es ist.")
                               .arg(name)
                               .arg(slot + 1));
        return false;
    }
    const auto* record = reinterpret_cast<const std::uint8_t*>(file->constData()) + start;
    if (checkBoardRecord(record) != RecordError::None) {
        g.platform.warning(
            FileTexts::tr("Die Datei \"%1\" ist beschädigt: Brett %2 enthält ungültige "
                          "Werte.\nDas Brett bleibt, wie es ist.")
                .arg(name)
                .arg(slot + 1));
        return false;
    }
    decodeBoardRecord(record, g.state.board);
    // A record whose mirror copies differ from their masters shows what the masters hold.
    syncSharedBoxes(g.state.board);
    return true;
}

bool saveBoardRecord(Game& g, int slot) {
    const QString& name = g.state.boardFileName;
    QByteArray file;
    if (g.platform.fileExists(name)) {
        ReadResult old = g.platform.readFile(name, kBoardFileReadLimit);
        if (!old) {
            // Writing blindly would replace the other three slots with blank records.
            g.platform.warning(
                FileTexts::tr("Die Datei \"%1\" kann nicht gelesen werden.\n%2\nDas Brett "
                              "wurde nicht gesichert.")
                    .arg(name, old.error));
            return false;
        }
        file = std::move(*old);
    }
    const qsizetype originalSize = file.size();
    QString keptAs;
    if (originalSize != kBoardFileSize) {
        // A file of another length keeps every complete record it holds; it is kept aside
        // first, so that nothing of it is lost.
        if (originalSize > 0) {
            const WriteResult kept = g.platform.writeBackup(name, file, keptAs);
            if (!kept.ok) {
                g.platform.warning(
                    FileTexts::tr("Die Datei \"%1\" hat die falsche Länge (%2 Bytes) und "
                                  "konnte nicht zuerst gesichert werden.\n%3\nDas Brett "
                                  "wurde nicht gesichert.")
                        .arg(name)
                        .arg(originalSize)
                        .arg(kept.error));
                return false;
            }
        }
        const qsizetype complete = std::min<qsizetype>(originalSize / kRecordSize, kRecordCount);
        file.truncate(complete * kRecordSize);
        for (qsizetype i = complete; i < kRecordCount; ++i) {
            const BoardRecord blank = blankBoardRecord(g.random);
            file.append(reinterpret_cast<const char*>(blank.data()), kRecordSize);
        }
    }
    const BoardRecord record = encodeBoardRecord(g.state.board, g.random);
    std::memcpy(file.data() + qsizetype(slot) * kRecordSize, record.data(), kRecordSize);

    // The platform writes a temporary file and renames it, so a crash or a full disk
    // leaves the old file (and its other slots) as it was.
    const WriteResult written = g.platform.writeFile(name, file);
    if (!written.ok) {
        g.platform.warning(
            FileTexts::tr("Das Brett konnte nicht in \"%1\" gesichert werden.\n%2\nDie "
                          "Datei bleibt, wie sie war.")
                .arg(name, written.error));
        return false;
    }
    if (!keptAs.isEmpty())
        g.platform.warning(
            FileTexts::tr("Die Datei \"%1\" hatte die falsche Länge (%2 Bytes).\nIhre %3 "
                          "vollständigen Bretter wurden übernommen, fehlende Plätze sind "
                          "leer.\nDie Originaldatei wurde als \"%4\" gesichert.")
                .arg(name)
                .arg(originalSize)
                .arg(std::min<qsizetype>(originalSize / kRecordSize, kRecordCount))
                .arg(keptAs));
    return true;
}

void loadBoard(Game& g) {
    g.ui.slotDialogMode = true;
    const BoardArray givens = g.state.board.givenValue;
    showSlotDialog(g, FileTexts::tr("Welches Brett laden?"), slotAction(g));
    // Another puzzle from a slot counts for no level and is of no generated level; the same
    // one saved before goes on.
    if (g.state.board.givenValue != givens) {
        g.state.resultLevel = -1;
        g.state.origin = {};
    }
    // Also after a cancel: the board on screen gets its solution recomputed.
    computeSolution(g.state.board);
    if (g.state.board.status.notSolvable) adoptUniqueSolution(g);
}

void saveBoard(Game& g) {
    g.ui.slotDialogMode = false;
    g.state.boardFileName = kPlayerBoardFile;
    showSlotDialog(g, FileTexts::tr("Sichern unter ..."), slotAction(g));
}

bool loadCollectionPuzzle(Game& g) {
    g.state.boardFileName = collectionFileName(g.state.difficulty);
    const int record = g.random.RANDOM(4);
    if (!g.platform.fileExists(g.state.boardFileName)) {
        // Without its puzzle file a new game would be an empty, unsolvable board.
        g.state.clock.clockRunning = false;
        g.platform.warning(
            FileTexts::tr("Die Rätseldatei \"%1\" fehlt.\nEin neues Spiel ist nicht möglich.\n"
                          "Gesucht im Ordner \"%2\".")
                .arg(g.state.boardFileName, QDir::toNativeSeparators(g.platform.workingFolder())));
        return false;
    }
    return loadBoardRecord(g, record);
}
