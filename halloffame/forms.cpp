// The forms champ and ruhm with their event handlers; shown by askChampionName and
// showHallOfFame (halloffame.cpp).
#include "halloffame/forms.h"
#include "halloffame/parts.h"

#include "session/game.h"
#include "session/modal.h"
#include "platform/texts.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const char* const kTabCaptions[4] = {
    QT_TRANSLATE_NOOP("FameTexts", "Leicht"), QT_TRANSLATE_NOOP("FameTexts", "Mittel"),
    QT_TRANSLATE_NOOP("FameTexts", "Schwer"), QT_TRANSLATE_NOOP("FameTexts", "Extrem")};

struct Column {
    const char* caption;
    int twips;
};
const Column kColumns[4] = {{"#", 415},
                            {QT_TRANSLATE_NOOP("FameTexts", "Name"), 3100},
                            {QT_TRANSLATE_NOOP("FameTexts", "Datum"), 1400},
                            {QT_TRANSLATE_NOOP("FameTexts", "Zeit"), 1345}};

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

// A report-style list view: one line per entry, column headers, font size 12.
QTreeWidget* makeListView(QWidget* page, const QString& name) {
    auto* view = new QTreeWidget(page);
    view->setObjectName(name);
    // Liberation Sans has Arial's metrics, so the texts fit the columns' widths.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(12);
    view->setFont(font);
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    view->setUniformRowHeights(true);
    view->setAllColumnsShowFocus(true);
    view->setTextElideMode(Qt::ElideNone); // " 10." stays readable in the narrow "#" column
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setColumnCount(4);
    QStringList captions;
    int width = 0;
    for (const Column& column : kColumns) captions << FameTexts::tr(column.caption);
    view->setHeaderLabels(captions);
    view->header()->setStretchLastSection(false);
    view->header()->setSectionsMovable(false);
    view->header()->setMinimumSectionSize(8); // the "#" column is narrower than the default
    for (int i = 0; i < 4; ++i) {
        view->setColumnWidth(i, twipsToPixels(kColumns[i].twips));
        width += twipsToPixels(kColumns[i].twips);
    }
    // Ten lines and the header fit without scrolling.
    const int lineHeight = QFontMetrics(font).height() + 2;
    view->setMinimumSize(width + 2 * view->frameWidth() + 4, 11 * lineHeight + 8);
    return view;
}

} // namespace

int twipsToPixels(int twips) {
    return (twips + 7) / 15;
}

HallOfFameForm::HallOfFameForm(Game& g) : g(g) {
    setModal(false); // the platform's modal loop disables the main window itself
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    if (QWidget* main = g.platform.mainWindow()) setWindowIcon(main->windowIcon());
}

void HallOfFameForm::closeEvent(QCloseEvent* event) {
    formClosed();
    event->accept();
}

void HallOfFameForm::reject() {
    close(); // Esc behaves like the close box
}

// ---- champ -------------------------------------------------------------------------------

ChampForm::ChampForm(Game& g) : HallOfFameForm(g) {
    setObjectName(QStringLiteral("champ"));
    setWindowTitle(FameTexts::tr("Ruhmeshalle"));
    lbl2 = new QLabel(FameTexts::tr("Neuer Eintrag in der Ruhmeshalle!\n"
                                    "Bitte geben Sie Ihren Namen ein:"),
                      this);
    lbl2->setObjectName(QStringLiteral("lbl2"));
    ed1 = new QLineEdit(this);
    ed1->setObjectName(QStringLiteral("ed1"));
    ed1->setMaxLength(static_cast<int>(kHallOfFameFieldLength));
    ed1->setMinimumWidth(260);
    cmd5 = makeButton(this, "cmd5", QStringLiteral("OK"));
    cmd5->setDefault(true);
    cmd6 = makeButton(this, "cmd6", FameTexts::tr("Abbrechen"));
    connect(cmd5, &QPushButton::clicked, this, [this] { cmd5_Click(); });
    connect(cmd6, &QPushButton::clicked, this, [this] { cmd6_Click(); });
    connect(ed1, &QLineEdit::returnPressed, this, [this] { cmd5_Click(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmd5);
    buttons->addWidget(cmd6);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lbl2);
    layout->addWidget(ed1);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}

void ChampForm::cmd5_Click() {
    endGameDialog(g);
    hallOfFame(g).championName = ed1->text().toStdString();
    hallOfFame(g).nameAccepted = true;
    close();
}

void ChampForm::cmd6_Click() {
    endGameDialog(g);
    close();
}

void ChampForm::champ_Close() {
    endGameDialog(g);
}

// ---- ruhm --------------------------------------------------------------------------------

RuhmForm::RuhmForm(Game& g) : HallOfFameForm(g) {
    setObjectName(QStringLiteral("ruhm"));
    setWindowTitle(FameTexts::tr("Ruhmeshalle"));
    tbs1 = new QTabWidget(this);
    tbs1->setObjectName(QStringLiteral("tbs1"));
    cmd3 = makeButton(this, "cmd3", FameTexts::tr("&Schließen"));
    cmd3->setDefault(true);
    cmd4 = makeButton(this, "cmd4", FameTexts::tr("Liste &löschen"));
    connect(cmd3, &QPushButton::clicked, this, [this] { cmd3_Click(); });
    connect(cmd4, &QPushButton::clicked, this, [this] { cmd4_Click(); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmd4);
    buttons->addStretch();
    buttons->addWidget(cmd3);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tbs1);
    layout->addLayout(buttons);
    ruhm_Load();
    setFixedSize(sizeHint());
}

void RuhmForm::ruhm_Load() {
    // The four list forms, each holding its list view.
    QWidget* pages[4];
    for (int d = 0; d < 4; ++d) {
        pages[d] = new QWidget;
        pages[d]->setObjectName(QStringLiteral("liste%1").arg(d + 1));
        lv[d] = makeListView(pages[d], QStringLiteral("lv%1").arg(d + 1));
        auto* layout = new QVBoxLayout(pages[d]);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(lv[d]);
    }
    const HallOfFame& table = hallOfFame(g);
    for (int rank = 1; rank <= kHallOfFameRanks; ++rank) {
        for (int d = 0; d < 4; ++d) {
            if (isEmptyTime(table.hallOfFameTime[d][rank])) continue;
            auto* line = new QTreeWidgetItem(lv[d]);
            line->setText(0, QStringLiteral("%1.").arg(rank, 2));
            line->setText(1, QString::fromStdString(table.hallOfFameName[d][rank]));
            line->setText(2, QString::fromStdString(table.hallOfFameDate[d][rank]));
            line->setText(3, QString::fromStdString(table.hallOfFameTime[d][rank]));
        }
    }
    for (int d = 0; d < 4; ++d) tbs1->addTab(pages[d], FameTexts::tr(kTabCaptions[d]));
    tbs1->setCurrentIndex(0);
    for (int step = 0; step < difficultyIndex(g.state.difficulty); ++step)
        tbs1->setCurrentIndex(tbs1->currentIndex() + 1);
}

void RuhmForm::cmd3_Click() {
    endGameDialog(g);
    close();
}

void RuhmForm::ruhm_Close() {
    endGameDialog(g);
}

void RuhmForm::cmd4_Click() {
    if (g.platform.messageBox(FameTexts::tr("Wirklich löschen?"), FameTexts::tr("&JA|&NEIN"), 1,
                              MessageIcon::Question) != 1)
        return;
    const int d = tbs1->currentIndex();
    if (d < 0 || d > 3) return;
    clearHallOfFameList(hallOfFame(g), d);
    endGameDialog(g);
    close();
    // The list is saved and the window reappears at once with it emptied; this form is
    // freed by the showHallOfFame that opened it once this handler has returned.
    if (listCleared) listCleared();
}

// ---- statistik ---------------------------------------------------------------------------

namespace {

const char* const kLevelColumns[] = {
    QT_TRANSLATE_NOOP("FameTexts", "Stufe"),    QT_TRANSLATE_NOOP("FameTexts", "Begonnen"),
    QT_TRANSLATE_NOOP("FameTexts", "Gelöst"),   QT_TRANSLATE_NOOP("FameTexts", "Ohne Tipp"),
    QT_TRANSLATE_NOOP("FameTexts", "Bestzeit"), QT_TRANSLATE_NOOP("FameTexts", "Durchschnitt")};

QString levelCaption(int level) {
    if (level < 4) return FameTexts::tr(kTabCaptions[level]);
    return generatedLevelText(level - 4);
}

QString daysText(int days) {
    return days == 1 ? FameTexts::tr("1 Tag") : FameTexts::tr("%1 Tage").arg(days);
}

} // namespace

StatistikForm::StatistikForm(Game& g, int today) : HallOfFameForm(g) {
    setObjectName(QStringLiteral("statistik"));
    setWindowTitle(FameTexts::tr("Statistik"));
    const Statistics& stats = statisticsState(g).stats;

    lvLevels = new QTreeWidget(this);
    lvLevels->setObjectName(QStringLiteral("lvLevels"));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(11);
    lvLevels->setFont(font);
    lvLevels->setRootIsDecorated(false);
    lvLevels->setItemsExpandable(false);
    lvLevels->setUniformRowHeights(true);
    lvLevels->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvLevels->setSelectionMode(QAbstractItemView::NoSelection);
    lvLevels->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lvLevels->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QStringList captions;
    for (const char* caption : kLevelColumns) captions << FameTexts::tr(caption);
    lvLevels->setHeaderLabels(captions);
    for (int i = 1; i < captions.size(); ++i)
        lvLevels->headerItem()->setTextAlignment(i, Qt::AlignRight | Qt::AlignVCenter);
    lvLevels->header()->setSectionsMovable(false);
    lvLevels->header()->setStretchLastSection(false);
    const QFontMetrics metrics(font);
    int width = 0;
    // The first column holds the widest level name of the language shown.
    int levelWidth = 0;
    for (int level = 0; level < 4 + kGeneratedLevelCount; ++level)
        levelWidth = std::max(levelWidth, metrics.horizontalAdvance(levelCaption(level)));
    for (int i = 0; i < lvLevels->columnCount(); ++i) {
        const int w = std::max(metrics.horizontalAdvance(captions[i]),
                               i == 0 ? levelWidth
                                      : metrics.horizontalAdvance(QStringLiteral("00:00:00.0"))) +
                      20;
        lvLevels->setColumnWidth(i, w);
        width += w;
    }
    for (int level = 0; level < kResultLevelCount; ++level) {
        const LevelResults& r = stats.levels[static_cast<std::size_t>(level)];
        auto* line = new QTreeWidgetItem(lvLevels);
        line->setText(0, levelCaption(level));
        line->setText(1, QString::number(r.started));
        line->setText(2, QString::number(r.solved));
        line->setText(3, QString::number(r.solvedWithoutHint));
        const bool timed = r.timedSolved > 0;
        line->setText(4, timed ? QString::fromStdString(tenthsText(r.bestTenths))
                               : QStringLiteral("–"));
        line->setText(5, timed ? QString::fromStdString(tenthsText(
                                     (r.totalTenths + r.timedSolved / 2) / r.timedSolved))
                               : QStringLiteral("–"));
        for (int i = 1; i < lvLevels->columnCount(); ++i)
            line->setTextAlignment(i, Qt::AlignRight | Qt::AlignVCenter);
    }
    const int lineHeight = metrics.height() + 4;
    lvLevels->setMinimumSize(width + 2 * lvLevels->frameWidth() + 4,
                             (kResultLevelCount + 1) * lineHeight + 12);

    lblStreak = new QLabel(FameTexts::tr("Rätsel des Tages: %1 in Folge, längste Serie %2")
                               .arg(daysText(currentStreak(stats.dailyRuns, today)),
                                    daysText(longestStreak(stats.dailyRuns))),
                           this);
    lblStreak->setObjectName(QStringLiteral("lblStreak"));

    tbsBest = new QTabWidget(this);
    tbsBest->setObjectName(QStringLiteral("tbsBest"));
    for (int level = 0; level < kGeneratedLevelCount; ++level) {
        auto* page = new QWidget;
        lvBest[level] = makeListView(page, QStringLiteral("lvBest%1").arg(level + 1));
        auto* layout = new QVBoxLayout(page);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(lvBest[level]);
        int rank = 1;
        for (const HallOfFameEntry& e : stats.bestTimes[static_cast<std::size_t>(level)]) {
            auto* line = new QTreeWidgetItem(lvBest[level]);
            line->setText(0, QStringLiteral("%1.").arg(rank++, 2));
            line->setText(1, QString::fromStdString(e.name));
            line->setText(2, QString::fromStdString(e.date));
            line->setText(3, QString::fromStdString(e.time));
        }
        tbsBest->addTab(page, levelCaption(4 + level));
    }
    // The tab of the generated level in play, if any.
    if (g.state.origin.level >= 0 && g.state.origin.level < kGeneratedLevelCount)
        tbsBest->setCurrentIndex(g.state.origin.level);

    cmdClose = makeButton(this, "cmdClose", FameTexts::tr("&Schließen"));
    cmdClose->setDefault(true);
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lvLevels);
    layout->addWidget(lblStreak);
    layout->addWidget(new QLabel(FameTexts::tr("Bestzeiten der erzeugten Rätsel:"), this));
    layout->addWidget(tbsBest);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}

void StatistikForm::cmdClose_Click() {
    endGameDialog(g);
    close();
}

void StatistikForm::formClosed() {
    endGameDialog(g);
}
