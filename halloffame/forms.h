// The hall-of-fame forms: champ (name entry), ruhm (the four lists on a tab strip) and the
// results window statistik. Created and run by halloffame.cpp and statistics.cpp; the
// controls carry the names the handlers and tests use.
#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
struct Game;

// A modal form whose close box and Esc key go to the form's close handler.
class HallOfFameForm : public QDialog {
    Q_OBJECT
  public:
    explicit HallOfFameForm(Game& g);

  protected:
    Game& g;
    virtual void formClosed() = 0;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
};

// champ: asks for the champion's name.
class ChampForm : public HallOfFameForm {
    Q_OBJECT
  public:
    explicit ChampForm(Game& g);

    void cmd5_Click();
    void cmd6_Click();
    void champ_Close();

    QLabel* lbl2;
    QLineEdit* ed1;
    QPushButton* cmd5;
    QPushButton* cmd6;

  protected:
    void formClosed() override { champ_Close(); }
};

// ruhm: the hall-of-fame window; building it runs ruhm_Load.
class RuhmForm : public HallOfFameForm {
    Q_OBJECT
  public:
    explicit RuhmForm(Game& g);

    void ruhm_Load();
    void cmd3_Click();
    void cmd4_Click();
    void ruhm_Close();

    QTabWidget* tbs1 = nullptr;
    QTreeWidget* lv[4] = {};
    QPushButton* cmd3 = nullptr;
    QPushButton* cmd4 = nullptr;
    // Runs after cmd4 has emptied a list and closed the window: saves the hall of fame and
    // shows the window again (set by showHallOfFame).
    std::function<void()> listCleared;

  protected:
    void formClosed() override { ruhm_Close(); }
};

// statistik: the results per level, the streaks of puzzles of the day and the generated
// levels' best times (one tab each); `today` (yyyymmdd) decides the current streak.
class StatistikForm : public HallOfFameForm {
    Q_OBJECT
  public:
    StatistikForm(Game& g, int today);

    void cmdClose_Click();

    QTreeWidget* lvLevels = nullptr;
    QLabel* lblStreak = nullptr;
    QTabWidget* tbsBest = nullptr;
    QTreeWidget* lvBest[5] = {};
    QPushButton* cmdClose = nullptr;

  protected:
    void formClosed() override;
};

// List-view column widths are given in twips; the screen has 15 twips per pixel.
int twipsToPixels(int twips);
