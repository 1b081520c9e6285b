// Generated puzzles (see generated.h): the dialog and the generator run beside its
// progress window.
#include "play/generated.h"

#include "session/game.h"
#include "session/modal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

#include <array>
#include <optional>
#include <vector>

namespace {

QString levelName(GeneratedLevel level) {
    return generatedLevelText(static_cast<int>(level));
}

QString dayLabel(int date, GeneratedLevel level) {
    return PlayTexts::tr("Rätsel des Tages, %1:\nStufe „%2“, für alle gleich.")
        .arg(dayText(date), levelName(level));
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
    : LevelChoiceForm([&g] { endGameDialog(g); }, QStringLiteral("erz"),
                      PlayTexts::tr("Rätsel erzeugen"), parent),
      date_(date), ownChoice_(choice) {
    addLevelBox(PlayTexts::tr("S&tufe:"));
    addSymmetryBox(PlayTexts::tr("&Symmetrisch"));
    chk2 = new QCheckBox(PlayTexts::tr("Rätsel des &Tages"), this);
    chk2->setObjectName(QStringLiteral("chk2"));
    connect(chk2, &QCheckBox::clicked, this, [this] { chk2_Click(); });
    formLayout->addWidget(chk2);
    lbl1 = new QLabel(this);
    lbl1->setObjectName(QStringLiteral("lbl1"));
    formLayout->addWidget(lbl1);
    addButtons(QStringLiteral("OK"), PlayTexts::tr("Abbrechen"));

    cmb1->setCurrentIndex(static_cast<int>(choice.level));
    chk1->setChecked(choice.symmetric);
    chk2->setChecked(choice.daily);
    // The form keeps the size it is given here, with the box cleared and the label empty:
    // room for the day's two lines at their largest (any weekday, any level), so that
    // ticking the box on any day shows them whole.
    QSize room;
    for (int day = 20261207; day <= 20261213; ++day)
        for (int level = 0; level < kGeneratedLevelCount; ++level) {
            lbl1->setText(dayLabel(day, static_cast<GeneratedLevel>(level)));
            room = room.expandedTo(lbl1->sizeHint());
        }
    lbl1->setMinimumSize(room);
    chk2_Click();
    finish();
}

void GenerateDialog::chk2_Click() {
    const bool daily = chk2->isChecked();
    if (daily) {
        // The date decides; the player's own choice comes back when the box is cleared.
        if (cmb1->isEnabled()) ownChoice_ = choice();
        const DailyPuzzle day = dailyPuzzle(date_);
        cmb1->setCurrentIndex(static_cast<int>(day.level));
        chk1->setChecked(day.symmetric);
        lbl1->setText(dayLabel(date_, day.level));
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
    c.level = level();
    c.symmetric = chk1->isChecked();
    c.daily = chk2->isChecked();
    return c;
}

std::optional<GeneratedStart> askForGeneratedPuzzle(Game& g) {
    GenerateChoice initial;
    if (g.state.origin.level >= 0 && g.state.origin.level < kGeneratedLevelCount)
        initial.level = static_cast<GeneratedLevel>(g.state.origin.level);
    initial.symmetric = g.state.board.options.symmetricPuzzle;
    const int today = g.platform.dateNumber();
    GenerateDialog erz(g, initial, today, g.platform.mainWindow());
    runGameDialog(g, &erz, QPoint(380, 250));
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
        seed = newPuzzleSeed(g.random);
    }
    origin.level = static_cast<int>(level);

    std::vector<GeneratedPuzzle> puzzles = generatePuzzles(
        g.platform, PlayTexts::tr("Rätsel erzeugen"), level, symmetric, {seed}, levelName(level),
        [name = levelName(level)](int, int attempt) {
            return PlayTexts::tr("Ein Rätsel der Stufe „%1“ entsteht …\nVersuch %2")
                .arg(name)
                .arg(attempt + 1);
        },
        PlayTexts::tr("\nDas Brett bleibt, wie es war."));
    if (puzzles.empty()) return std::nullopt;
    return GeneratedStart{std::move(puzzles.front()), origin};
}
