// The help viewers and the about window Inf.
#include "help/help.h"

#include "session/game.h"
#include "session/modal.h"
#include "help/helpbook.h"
#include "help/helpwindow.h"

#include <QCloseEvent>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

namespace {

const QString kHtmlHelpFile = QStringLiteral("Quintor.chm");
const QString kClassicHelpFile = QStringLiteral("Quintor.hlp");

void showHelpError(Game& g, const QString& file) {
    g.platform.messageBox(QStringLiteral("Error while trying to display a topic of ") + file,
                          QStringLiteral("OK"), 1, MessageIcon::None);
}

std::optional<HelpBook> readHelpBook(Game& g, const QString& file) {
    const std::optional<QByteArray> bytes = g.platform.readFile(file);
    if (!bytes) return std::nullopt;
    return parseHelpBook(*bytes);
}

// The five grids' place on the screen. The drawing (1052 pixels wide, maybe shown
// scaled) fills the main window's central widget.
QRect boardOnScreen(const QWidget& game) {
    const QWidget* drawing = &game;
    if (const auto* main = qobject_cast<const QMainWindow*>(&game); main && main->centralWidget())
        drawing = main->centralWidget();
    // The grids with the raised frames around them (8 pixels outside the grid lines).
    const QRect picture =
        QRect(QPoint(gridLeft(0), gridTop(0)),
              QPoint(gridLeft(4) + 9 * cellWidth(), gridTop(4) + 9 * cellHeight()))
            .adjusted(-10, -10, 10, 10);
    const double scale = drawing->width() / 1052.0;
    return QRect(drawing->mapToGlobal((QPointF(picture.topLeft()) * scale).toPoint()),
                 (QSizeF(picture.size()) * scale).toSize());
}

// The help window of one viewer: reused while open (where the player left it), else made
// anew beside the game window.
HelpWindow* helpWindow(Game& g, QPointer<QWidget>& slot, const QString& file, HelpBook book) {
    auto* window = qobject_cast<HelpWindow*>(slot.data());
    if (window != nullptr && window->file() == file) {
        window->setBook(std::move(book));
        return window;
    }
    if (window != nullptr) window->close();
    QWidget* game = g.platform.mainWindow();
    window = new HelpWindow(file, std::move(book), game);
    if (game != nullptr) window->placeBeside(*game, boardOnScreen(*game));
    slot = window;
    return window;
}

} // namespace

QTextBrowser* textWindow(Game& g, QPointer<QWidget>& slot) {
    return helpWindow(g, slot, QString(), HelpBook{});
}

namespace {

// The about window: the program's name and version, the link label and the close button.
class InfForm : public QWidget {
  public:
    InfForm(Game& g, QWidget* parent) : QWidget(parent, Qt::Dialog), g_(g) {
        setObjectName(QStringLiteral("Inf"));
        setWindowTitle(HelpTexts::tr("über Quintor"));
        if (parent != nullptr) setWindowIcon(parent->windowIcon());

        auto* name = new QLabel(QStringLiteral("QUINTOR-SUDOKU"), this);
        name->setObjectName(QStringLiteral("lbl1"));
        QFont big = name->font();
        big.setPointSize(16);
        big.setBold(true);
        name->setFont(big);
        auto* version = new QLabel(QStringLiteral("Quintor XP, Version " QUINTOR_VERSION), this);
        version->setObjectName(QStringLiteral("lbl2"));
        auto* about = new QLabel(HelpTexts::tr("Fünf verbundene Sudoku-Gitter auf einem Brett:\n"
                                               "369 Felder, vier Schwierigkeitsgrade,\n"
                                               "Uhr und Ruhmeshalle."),
                                 this);
        about->setObjectName(QStringLiteral("lbl3"));
        auto* link = new QLabel(this);
        link->setObjectName(QStringLiteral("lbl28"));
        link->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(kProjectWebAddress));
        link->setTextFormat(Qt::RichText);
        link->setOpenExternalLinks(false);
        link->setCursor(Qt::PointingHandCursor);
        QObject::connect(link, &QLabel::linkActivated, this, [this] { lbl28_Click(g_); });
        auto* close = new QPushButton(QStringLiteral("OK"), this);
        close->setObjectName(QStringLiteral("cmd15"));
        close->setDefault(true);
        QObject::connect(close, &QPushButton::clicked, this, [this] { cmd15_Click(g_, this); });

        auto* layout = new QVBoxLayout(this);
        for (QWidget* w : {static_cast<QWidget*>(name), static_cast<QWidget*>(version),
                           static_cast<QWidget*>(about), static_cast<QWidget*>(link)})
            layout->addWidget(w, 0, Qt::AlignHCenter);
        layout->addSpacing(8);
        layout->addWidget(close, 0, Qt::AlignHCenter);
        setFixedSize(sizeHint().expandedTo(QSize(320, 0)));
    }

  protected:
    void closeEvent(QCloseEvent* event) override {
        Inf_Close(g_);
        event->accept();
    }
    // Esc closes the window like its button, as in any dialog.
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
            cmd15_Click(g_, this);
        else
            QWidget::keyPressEvent(event);
    }

  private:
    Game& g_;
};

} // namespace

QString manualFile(Game& g, const QString& file) {
    if (g.ui.language != Language::English) return file;
    const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
    const QString english = file.left(dot) + QStringLiteral("_en") + file.mid(dot);
    return g.platform.fileExists(english) ? english : file;
}

bool isHtmlHelpSystem(std::uint32_t version) {
    const bool ntFamily = (version & 0x80000000u) == 0;
    const std::uint32_t major = version & 0xFFu;
    return ntFamily && major > 5;
}

std::uint32_t platformVersion() {
    // NT family (top bit clear), build 7601 in the high word, minor 1, major 6: the help
    // window shows the HTML help file here.
    return (7601u << 16) | (1u << 8) | 6u;
}

void showHelpTopic(Game& g, const QString& germanFile, const QString& topic) {
    const QString file = manualFile(g, germanFile);
    const std::optional<HelpBook> book = readHelpBook(g, file);
    if (!book || book->page(topic) == nullptr) {
        showHelpError(g, file);
        return;
    }
    HelpWindow* window = helpWindow(g, g.ui.help.htmlHelpWindow, file, *book);
    window->showPage(topic);
    g.platform.showHelpWindow(window);
}

void showClassicHelp(Game& g, const QString& germanFile, const QString& keyword) {
    const QString file = manualFile(g, germanFile);
    const std::optional<HelpBook> book = readHelpBook(g, file);
    if (!book) {
        showHelpError(g, file);
        return;
    }
    const QString target = book->keywordTarget(keyword);
    HelpWindow* window = helpWindow(g, g.ui.help.classicHelpWindow, file, *book);
    // An unknown keyword shows the keyword index, as the classic viewer's search does.
    if (target.isEmpty())
        window->showKeywordIndex();
    else
        window->showPage(target);
    g.platform.showHelpWindow(window);
    g.ui.help.classicHelpOpen = (germanFile == kClassicHelpFile);
}

void closeClassicHelp(Game& g) {
    if (g.ui.help.classicHelpWindow) g.ui.help.classicHelpWindow->close();
    g.ui.help.classicHelpOpen = false;
}

void showManualPage(Game& g, const QString& htmlTopic, const QString& classicKeyword) {
    if (g.ui.help.htmlHelpAvailable)
        showHelpTopic(g, kHtmlHelpFile, htmlTopic);
    else
        showClassicHelp(g, kClassicHelpFile, classicKeyword);
}

void showExplanationHelp(Game& g) {
    showManualPage(g, QStringLiteral("Erklärung.htm"), QStringLiteral("Erklärung"));
}

void showAbout(Game& g) {
    InfForm inf(g, g.platform.mainWindow());
    runGameDialog(g, &inf, QPoint(206, 188));
    inf.hide();
}

void cmd15_Click(Game& g, QWidget* inf) {
    endGameDialog(g);
    inf->close();
}

void Inf_Close(Game& g) {
    endGameDialog(g);
}

void lbl28_Click(Game& g) {
    g.platform.openUrl(QString::fromLatin1(kProjectWebAddress));
}
