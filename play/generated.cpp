// Generated puzzles (see generated.h): the dialog and the generator run beside its
// progress window.
#include "play/generated.h"

#include "session/game.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <atomic>
#include <optional>

namespace {

QString levelName(GeneratedLevel level) {
    return generatedLevelText(static_cast<int>(level));
}

} // namespace

QString dayText(int date) {
    static const std::array<const char*, 7> kWeekdays{
        QT_TRANSLATE_NOOP("PlayTexts", "Montag"),   QT_TRANSLATE_NOOP("PlayTexts", "Dienstag"),
        QT_TRANSLATE_NOOP("PlayTexts", "Mittwoch"), QT_TRANSLATE_NOOP("PlayTexts", "Donnerstag"),
        QT_TRANSLATE_NOOP("PlayTexts", "Freitag"),  QT_TRANSLATE_NOOP("PlayTexts", "Samstag"),
        QT_TRANSLATE_NOOP("PlayTexts", "Sonntag")};
    return QStringLiteral("%1, %2.%3.%4")
        .arg(PlayTexts::tr(kWeekdays[static_cast<std::size_t>(weekdayOf(date))]))
        .arg(date % 100, 2, 10, QLatin1Char('0'))
        .arg(date / 100 % 100, 2, 10, QLatin1Char('0'))
        .arg(date / 10000);
}

GenerateDialog::GenerateDialog(Game& g, const GenerateChoice& choice, int date, QWidget* parent)
    : QDialog(parent), g(g), date_(date), ownChoice_(choice) {
    setObjectName(QStringLiteral("erz"));
    setWindowTitle(PlayTexts::tr("Rätsel erzeugen"));
    if (parent) setWindowIcon(parent->windowIcon());

    auto* layout = new QVBoxLayout(this);
    auto* levelRow = new QHBoxLayout;
    auto* levelLabel = new QLabel(PlayTexts::tr("S&tufe:"), this);
    cmb1 = new QComboBox(this);
    cmb1->setObjectName(QStringLiteral("cmb1"));
    for (int level = 0; level < kGeneratedLevelCount; ++level)
        cmb1->addItem(levelName(static_cast<GeneratedLevel>(level)));
    levelLabel->setBuddy(cmb1);
    levelRow->addWidget(levelLabel);
    levelRow->addWidget(cmb1, 1);
    layout->addLayout(levelRow);

    chk1 = new QCheckBox(PlayTexts::tr("&Symmetrisch"), this);
    chk1->setObjectName(QStringLiteral("chk1"));
    layout->addWidget(chk1);
    chk2 = new QCheckBox(PlayTexts::tr("Rätsel des &Tages"), this);
    chk2->setObjectName(QStringLiteral("chk2"));
    connect(chk2, &QCheckBox::clicked, this, [this] { chk2_Click(); });
    layout->addWidget(chk2);
    lbl1 = new QLabel(this);
    lbl1->setObjectName(QStringLiteral("lbl1"));
    lbl1->setWordWrap(true);
    layout->addWidget(lbl1);

    auto* buttons = new QHBoxLayout;
    cmd1 = new QPushButton(QStringLiteral("OK"), this);
    cmd1->setObjectName(QStringLiteral("cmd1"));
    cmd1->setDefault(true);
    cmd2 = new QPushButton(PlayTexts::tr("Abbrechen"), this);
    cmd2->setObjectName(QStringLiteral("cmd2"));
    connect(cmd1, &QPushButton::clicked, this, [this] { cmd1_Click(); });
    connect(cmd2, &QPushButton::clicked, this, [this] { cmd2_Click(); });
    buttons->addWidget(cmd1);
    buttons->addWidget(cmd2);
    layout->addLayout(buttons);

    cmb1->setCurrentIndex(static_cast<int>(choice.level));
    chk1->setChecked(choice.symmetric);
    chk2->setChecked(choice.daily);
    chk2_Click();
    // Room for the longest line of the day's label.
    lbl1->setMinimumWidth(fontMetrics().horizontalAdvance(
        PlayTexts::tr("Rätsel des Tages, Donnerstag, 10.12.2026:")));
    setFixedSize(sizeHint().expandedTo(QSize(260, 0)));
    cmb1->setFocus();
}

void GenerateDialog::chk2_Click() {
    const bool daily = chk2->isChecked();
    if (daily) {
        // The date decides; the player's own choice comes back when the box is cleared.
        if (cmb1->isEnabled()) ownChoice_ = choice();
        const DailyPuzzle day = dailyPuzzle(date_);
        cmb1->setCurrentIndex(static_cast<int>(day.level));
        chk1->setChecked(day.symmetric);
        lbl1->setText(PlayTexts::tr("Rätsel des Tages, %1:\nStufe „%2“, für alle gleich.")
                          .arg(dayText(date_), levelName(day.level)));
    } else {
        cmb1->setCurrentIndex(static_cast<int>(ownChoice_.level));
        chk1->setChecked(ownChoice_.symmetric);
        lbl1->clear();
    }
    cmb1->setEnabled(!daily);
    chk1->setEnabled(!daily);
}

GenerateChoice GenerateDialog::choice() const {
    GenerateChoice c;
    c.level =
        static_cast<GeneratedLevel>(std::clamp(cmb1->currentIndex(), 0, kGeneratedLevelCount - 1));
    c.symmetric = chk1->isChecked();
    c.daily = chk2->isChecked();
    return c;
}

void GenerateDialog::cmd1_Click() {
    confirmed_ = true;
    g.ui.dialogDone = true;
    close();
}

void GenerateDialog::cmd2_Click() {
    confirmed_ = false;
    g.ui.dialogDone = true;
    close();
}

void GenerateDialog::closeEvent(QCloseEvent* event) {
    // The close box ends the wait like Abbrechen; OK has already set its answer.
    g.ui.dialogDone = true;
    event->accept();
}

std::optional<GeneratedStart> askForGeneratedPuzzle(Game& g) {
    GenerateChoice initial;
    if (g.state.origin.level >= 0 && g.state.origin.level < kGeneratedLevelCount)
        initial.level = static_cast<GeneratedLevel>(g.state.origin.level);
    initial.symmetric = g.state.board.symmetricPuzzle;
    const int today = g.platform.dateNumber();
    GenerateDialog erz(g, initial, today, g.platform.mainWindow());
    g.ui.dialogDone = false;
    g.platform.runModal(&erz, QPoint(380, 250), [&g] { return g.ui.dialogDone; });
    if (!erz.confirmed()) return std::nullopt;

    const GenerateChoice choice = erz.choice();
    GeneratedLevel level = choice.level;
    bool symmetric = choice.symmetric;
    PuzzleOrigin origin;
    std::uint32_t seed = 0;
    if (choice.daily) {
        const DailyPuzzle day = dailyPuzzle(today);
        level = day.level;
        symmetric = day.symmetric;
        seed = day.seed;
        origin.dailyDate = today;
    } else {
        seed = static_cast<std::uint32_t>(g.random.RANDOM(65536)) << 16 |
               static_cast<std::uint32_t>(g.random.RANDOM(65536));
    }
    origin.level = static_cast<int>(level);

    std::atomic<bool> cancel{false};
    std::atomic<int> attempt{0};
    std::optional<GeneratedPuzzle> puzzle;
    const QString name = levelName(level);
    g.platform.runCancellable(
        PlayTexts::tr("Rätsel erzeugen"),
        [&] {
            puzzle = generatePuzzle(
                level, symmetric, seed, cancel,
                [&attempt](const GenerateProgress& p) { attempt = p.attempt; }, kGenerateAttempts);
        },
        cancel,
        [&] {
            return PlayTexts::tr("Ein Rätsel der Stufe „%1“ entsteht …\nVersuch %2")
                .arg(name)
                .arg(attempt.load() + 1);
        });
    if (!puzzle) {
        const QString why =
            cancel ? PlayTexts::tr("Das Erzeugen wurde abgebrochen.")
                   : PlayTexts::tr("In %1 Versuchen ist kein Rätsel der Stufe „%2“ entstanden.")
                         .arg(kGenerateAttempts)
                         .arg(name);
        g.platform.messageBox(why + PlayTexts::tr("\nDas Brett bleibt, wie es war."),
                              QStringLiteral("OK"), 1, MessageIcon::Information);
        return std::nullopt;
    }
    return GeneratedStart{std::move(*puzzle), origin};
}
