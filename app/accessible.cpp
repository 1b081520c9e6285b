// The accessible picture: a QAccessibleWidget for the drawing area whose children are drawn
// objects without a QObject of their own (the board table and its cells, the panels, the
// buttons, the announcement line). The cache of Qt's accessibility owns every interface:
// the area's interface is made by a factory when assistive technology first asks for it and
// registers its drawn children, which it deletes again when the area goes.
#include "app/accessible.h"

#include "session/game.h"
#include "engine/generate.h"
#include "engine/layout.h"
#include "panels/statistics.h"
#include "play/buttons.h"
#include "platform/texts.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <array>
#include <map>
#include <memory>
#include <vector>

namespace {

// The field places that hold a cell, row by row: the table's children in this order.
constexpr int kBoardCells = 369;
struct CellOrder {
    std::array<int, kBoardCells> place{}; // field index of child i
    std::array<int, kFieldSize * kFieldSize> child{};
    CellOrder() {
        int n = 0;
        for (int i = 0; i < kFieldSize * kFieldSize; ++i) {
            GridCell cell;
            child[static_cast<size_t>(i)] = -1;
            if (gridCellAt(i % kFieldSize, i / kFieldSize, cell)) {
                place[static_cast<size_t>(n)] = i;
                child[static_cast<size_t>(i)] = n++;
            }
        }
    }
};
const CellOrder& cellOrder() {
    static const CellOrder order;
    return order;
}

std::function<void(QAccessibleEvent*)>& eventSink() {
    static std::function<void(QAccessibleEvent*)> sink;
    return sink;
}
bool followingChanges() {
    return QAccessible::isActive() || eventSink();
}
void tellAssistiveTechnology(QAccessibleEvent* event) {
    if (eventSink())
        eventSink()(event);
    else
        QAccessible::updateAccessibility(event);
}

struct Attachment {
    Game* game = nullptr;
    PictureToArea toArea;
    bool checkPending = false;
};
// The attached drawing areas (user-interface thread only).
std::map<const QObject*, Attachment>& attachments() {
    static std::map<const QObject*, Attachment> map;
    return map;
}

QString valueList(const Board& b, const std::array<bool, 10>& present) {
    QStringList values;
    for (int v = 1; v <= 9; ++v)
        if (present[static_cast<size_t>(v)]) values << valueText(b.options.showDigits, v);
    return values.join(QLatin1Char(' '));
}

// Deletes a drawn object's interface unless the cache has already let it go (at exit the
// cache deletes what it holds in its own order).
void forget(QAccessible::Id id) {
    if (QAccessible::accessibleInterface(id) != nullptr) QAccessible::deleteAccessibleInterface(id);
}

class AreaAccessible;

// Read-only text: the whole content, no caret, no selection.
class ReadOnlyText : public QAccessibleTextInterface {
  public:
    virtual QString content() const = 0;
    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override {
        const QString all = content();
        if (endOffset < 0 || endOffset > all.size()) endOffset = static_cast<int>(all.size());
        if (startOffset < 0) startOffset = 0;
        return startOffset >= endOffset ? QString() : all.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(content().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }
};

// A child drawn in the picture, at a fixed rectangle of it.
class DrawnObject : public QAccessibleInterface {
  public:
    explicit DrawnObject(AreaAccessible& area) : area_(area) {}
    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    virtual QRect pictureRect() const = 0;

  protected:
    AreaAccessible& area_;
};

class BoardTable;

// One cell of the board: a place of the field; a shared cell is one cell of both grids.
class CellObject : public DrawnObject, public ReadOnlyText, public QAccessibleTableCellInterface {
  public:
    CellObject(AreaAccessible& area, BoardTable& table, int place)
        : DrawnObject(area), table_(table), place_(place) {}
    QAccessibleInterface* parent() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    QRect pictureRect() const override {
        return {kFieldLeft + kCellSize * (place_ % kFieldSize),
                kFieldTop + kCellSize * (place_ / kFieldSize), kCellSize, kCellSize};
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        if (t == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        return nullptr;
    }
    QString content() const override;
    // The table cell.
    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return place_ % kFieldSize; }
    int rowIndex() const override { return place_ / kFieldSize; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

  private:
    BoardTable& table_;
    int place_;
};

// The board: a table of the 21 x 21 field, one cell at each place a grid covers.
class BoardTable : public DrawnObject, public QAccessibleTableInterface {
  public:
    explicit BoardTable(AreaAccessible& area) : DrawnObject(area) {}
    ~BoardTable() override {
        for (auto& [place, id] : ids_) forget(id);
    }
    QAccessibleInterface* cellAtPlace(int place) const {
        if (place < 0 || place >= kFieldSize * kFieldSize ||
            cellOrder().child[static_cast<size_t>(place)] < 0)
            return nullptr;
        auto& id = ids_[place];
        if (id == 0)
            id = QAccessible::registerAccessibleInterface(
                new CellObject(area_, const_cast<BoardTable&>(*this), place));
        return QAccessible::accessibleInterface(id);
    }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        return cellAtPlace(cellOrder().place[static_cast<size_t>(index)]);
    }
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr) return -1;
        const QAccessibleTableCellInterface* cell =
            const_cast<QAccessibleInterface*>(child)->tableCellInterface();
        if (cell == nullptr || cell->table() != this) return -1;
        return cellOrder()
            .child[static_cast<size_t>(cell->rowIndex() * kFieldSize + cell->columnIndex())];
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface* c = child(i); c->rect().contains(x, y)) return c;
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override;
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? AppTexts::tr("Brett") : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Table; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        return s;
    }
    QRect pictureRect() const override {
        return {kFieldLeft, kFieldTop, kFieldSize * kCellSize, kFieldSize * kCellSize};
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                : nullptr;
    }
    // The table.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= kFieldSize || column < 0 || column >= kFieldSize) return nullptr;
        return childCount() == 0 ? nullptr : cellAtPlace(row * kFieldSize + column);
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return kFieldSize; }
    int rowCount() const override { return kFieldSize; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

  private:
    mutable std::map<int, QAccessible::Id> ids_; // field place -> registered cell
};

// A panel, the status strip or the announcement line: a name and a text. The name is
// translated when it is read, so that it follows a change of language.
class TextObject : public DrawnObject, public ReadOnlyText {
  public:
    TextObject(AreaAccessible& area, const char* name, QAccessible::Role role, QRect rect,
               std::function<QString(const Game&)> read)
        : DrawnObject(area), name_(name), role_(role), rect_(rect), read_(std::move(read)) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return AppTexts::tr(name_);
        if (t == QAccessible::Value || t == QAccessible::Description) return content();
        return {};
    }
    QAccessible::Role role() const override { return role_; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        return s;
    }
    QRect pictureRect() const override { return rect_; }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                               : nullptr;
    }
    QString content() const override;

  private:
    const char* name_;
    QAccessible::Role role_;
    QRect rect_;
    std::function<QString(const Game&)> read_;
};

// A button of the bar under the board; pressing it clicks it.
class ButtonObject : public DrawnObject, public QAccessibleActionInterface {
  public:
    ButtonObject(AreaAccessible& area, int index) : DrawnObject(area), index_(index) {}
    QString text(QAccessible::Text t) const override {
        const QString caption = buttonCaption(kButtons[index_]);
        if (t == QAccessible::Name) return caption.trimmed().remove(QLatin1Char('_'));
        if (t == QAccessible::Accelerator) return QString(QLatin1Char(kButtons[index_].hotKey));
        return {};
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override;
    QRect pictureRect() const override {
        const int length = static_cast<int>(qstrlen(kButtons[index_].caption));
        return {kButtons[index_].x, 727, 8 * (length - 1) + 19, 26};
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                 : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override;
    QStringList keyBindingsForAction(const QString& name) const override {
        if (name != pressAction()) return {};
        return {QString(QLatin1Char(kButtons[index_].hotKey))};
    }

  private:
    int index_;
};

// The drawing area: the board table, the panels, the buttons and the announcement line.
class AreaAccessible : public QAccessibleWidget {
  public:
    explicit AreaAccessible(QWidget* area);
    ~AreaAccessible() override {
        for (QAccessible::Id id : ids_) forget(id);
    }
    Game* game() const {
        const auto it = attachments().find(widget());
        return it == attachments().end() ? nullptr : it->second.game;
    }
    QRect toArea(const QRect& picture) const {
        const auto it = attachments().find(widget());
        if (it == attachments().end() || !it->second.toArea) return picture;
        return it->second.toArea(picture);
    }
    QRect screenRect(const QRect& picture) const {
        const QRect r = toArea(picture);
        return {widget()->mapToGlobal(r.topLeft()), r.size()};
    }
    QWidget* area() const { return widget(); }
    BoardTable& table() const { return *table_; }

    int childCount() const override { return game() == nullptr ? 0 : int(ids_.size()); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        return QAccessible::accessibleInterface(ids_[static_cast<size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessible::accessibleInterface(ids_[static_cast<size_t>(i)]) == child) return i;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i) {
            QAccessibleInterface* c = child(i);
            if (c->state().invisible || !c->rect().contains(x, y)) continue;
            if (QAccessibleInterface* inner = c->childAt(x, y)) return inner;
            return c;
        }
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override { return table_->focusChild(); }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? AppTexts::tr("Spielfeld") : QString();
    }

    // The field place of the cell under the shown cursor, or -1.
    int cursorPlace() const {
        const Game* g = game();
        if (g == nullptr || !g->ui.cursor.cursorShown) return -1;
        return g->ui.cursor.cursorRow * kFieldSize + g->ui.cursor.cursorColumn;
    }
    // Tells assistive technology what changed since the last call; `tell` false takes the
    // state as it stands as the start, telling nothing.
    void followChanges(bool tell = true);

  private:
    void announce(const QString& text);

    BoardTable* table_ = nullptr;
    TextObject* announcement_ = nullptr;
    QString announced_;
    std::vector<QAccessible::Id> ids_;
    std::vector<TextObject*> texts_;
    // What assistive technology was last told.
    const Game* followedGame_ = nullptr;
    std::array<QString, kBoardCells> cellTexts_;
    std::vector<QString> shownTexts_;
    int focusedPlace_ = -1;
    QString hintShown_; // the hint's sentence, while one is shown

    friend class TextObject;
};

QWindow* DrawnObject::window() const {
    return area_.window();
}
QAccessibleInterface* DrawnObject::parent() const {
    return const_cast<AreaAccessible*>(&area_);
}
QRect DrawnObject::rect() const {
    return area_.screenRect(pictureRect());
}

QAccessibleInterface* CellObject::parent() const {
    return &table_;
}
QAccessibleInterface* CellObject::table() const {
    return &table_;
}
QString CellObject::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) return accessibleCellName(place_ % kFieldSize, place_ / kFieldSize);
    if (t == QAccessible::Value) return content();
    return {};
}
QString CellObject::content() const {
    const Game* g = area_.game();
    return g == nullptr ? QString()
                        : accessibleCellText(*g, place_ % kFieldSize, place_ / kFieldSize);
}
QAccessible::State CellObject::state() const {
    QAccessible::State s;
    s.focusable = true;
    s.readOnly = true;
    s.focused = area_.cursorPlace() == place_;
    return s;
}

int BoardTable::childCount() const {
    return area_.game() == nullptr ? 0 : kBoardCells;
}
QAccessibleInterface* BoardTable::focusChild() const {
    return cellAtPlace(area_.cursorPlace());
}

QString TextObject::content() const {
    if (this == area_.announcement_) return area_.announced_;
    const Game* g = area_.game();
    return g == nullptr || !read_ ? QString() : read_(*g);
}

QAccessible::State ButtonObject::state() const {
    QAccessible::State s;
    const Game* g = area_.game();
    // The bar is drawn while a game loop runs, which shows its keys in the status strip.
    s.invisible = g == nullptr || g->ui.stripKeys.isEmpty();
    s.focusable = false;
    return s;
}
void ButtonObject::doAction(const QString& name) {
    if (name != pressAction() || state().invisible) return;
    const QPointF at = QRectF(area_.toArea(pictureRect())).center();
    QWidget* area = area_.area();
    const QPointF global = area->mapToGlobal(at);
    QCoreApplication::postEvent(area,
                                new QMouseEvent(QEvent::MouseButtonPress, at, global,
                                                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(area,
                                new QMouseEvent(QEvent::MouseButtonRelease, at, global,
                                                Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
}

QString statisticsText(const Game& g) {
    QStringList counts;
    for (int v = 1; v <= 9; ++v)
        counts << valueText(g.state.board.options.showDigits, v) + QStringLiteral(": ") +
                      QString::number(g.state.board.digitCount[static_cast<size_t>(v)]);
    return counts.join(QStringLiteral(", "));
}
QString statusPanelText(const Game& g) {
    const QString verdict = statusText(g.state.board.status.verdict).trimmed();
    const QString errors = AppTexts::tr("Fehler: %1/3").arg(g.state.board.status.errorCount);
    return verdict.isEmpty() ? errors : verdict + QStringLiteral(", ") + errors;
}
QString difficultyPanelText(const Game& g) {
    return AppTexts::tr("Vorgegebene Zahlen: %1, %2")
        .arg(g.state.givenCount)
        .arg(difficultyText(g.state.difficulty, g.state.origin).trimmed());
}
QString stripText(const Game& g) {
    QStringList parts{QStringLiteral("Quintor XP V6.0")};
    // The strip's keys are held as shown; its note and the help line hold their texts'
    // sources, shown translated.
    if (!g.ui.stripKeys.isEmpty()) parts << g.ui.stripKeys;
    if (!g.ui.stripNote.isEmpty()) parts << translated<PanelTexts>(g.ui.stripNote);
    return parts.join(QStringLiteral(", "));
}

AreaAccessible::AreaAccessible(QWidget* area) : QAccessibleWidget(area, QAccessible::Client) {
    table_ = new BoardTable(*this);
    ids_.push_back(QAccessible::registerAccessibleInterface(table_));
    const QWidget* areaWidget = area;
    auto addText = [this](const char* name, QAccessible::Role role, QRect rect,
                          std::function<QString(const Game&)> read) {
        auto* t = new TextObject(*this, name, role, rect, std::move(read));
        texts_.push_back(t);
        ids_.push_back(QAccessible::registerAccessibleInterface(t));
        return t;
    };
    addText(QT_TRANSLATE_NOOP("AppTexts", "Statistik"), QAccessible::StaticText,
            {732, 222, 300, 78}, statisticsText);
    addText(QT_TRANSLATE_NOOP("AppTexts", "Statusmeldung"), QAccessible::StaticText,
            {732, 323, 300, 78}, statusPanelText);
    addText(QT_TRANSLATE_NOOP("AppTexts", "Schwierigkeitsgrad"), QAccessible::StaticText,
            {762, 425, 234, 88}, difficultyPanelText);
    addText(QT_TRANSLATE_NOOP("AppTexts", "Hilfefenster"), QAccessible::StaticText,
            {762, 537, 234, 72},
            [](const Game& g) { return translated<PanelTexts>(g.ui.helpText).trimmed(); });
    // The clock label is a widget of its own on the area; its text is the panel's.
    addText(QT_TRANSLATE_NOOP("AppTexts", "Zeitmessung"), QAccessible::StaticText,
            {762, 634, 234, 68}, [areaWidget](const Game&) {
                const QObject* uhr = areaWidget->findChild<QObject*>(QStringLiteral("uhr"));
                return uhr == nullptr ? QString() : uhr->property("text").toString().trimmed();
            });
    addText(QT_TRANSLATE_NOOP("AppTexts", "Statuszeile"), QAccessible::StatusBar,
            {0, 764, 1052, 23}, stripText);
    for (int i = 0; i < 6; ++i)
        ids_.push_back(QAccessible::registerAccessibleInterface(new ButtonObject(*this, i)));
    announcement_ = addText(QT_TRANSLATE_NOOP("AppTexts", "Ansage"), QAccessible::Notification,
                            {0, 764, 1052, 23}, {});
}

void AreaAccessible::announce(const QString& text) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(widget(), text);
    tellAssistiveTechnology(&event);
#endif
    const QString before = announced_;
    announced_ = text;
    QAccessibleTextUpdateEvent update(announcement_, 0, before, text);
    tellAssistiveTechnology(&update);
    QAccessibleEvent changed(announcement_, QAccessible::DescriptionChanged);
    tellAssistiveTechnology(&changed);
}

void AreaAccessible::followChanges(bool tell) {
    const Game* g = game();
    if (g == nullptr) return;
    // A newly attached game: its state as it stands is the start, nothing is announced.
    if (followedGame_ != g) {
        tell = false;
        shownTexts_.assign(texts_.size(), QString());
    }
    followedGame_ = g;

    std::vector<int> changedCells;
    for (int i = 0; i < kBoardCells; ++i) {
        const int place = cellOrder().place[static_cast<size_t>(i)];
        QString now = accessibleCellText(*g, place % kFieldSize, place / kFieldSize);
        QString& before = cellTexts_[static_cast<size_t>(i)];
        if (now == before) continue;
        if (tell) {
            QAccessibleTextUpdateEvent event(table_->cellAtPlace(place), 0, before, now);
            tellAssistiveTechnology(&event);
            changedCells.push_back(place);
        }
        before = std::move(now);
    }

    const int place = cursorPlace();
    if (place != focusedPlace_) {
        focusedPlace_ = place;
        if (tell && place >= 0) {
            QAccessibleEvent event(table_->cellAtPlace(place), QAccessible::Focus);
            tellAssistiveTechnology(&event);
        } else if (tell) {
            QAccessibleEvent event(widget(), QAccessible::Focus);
            tellAssistiveTechnology(&event);
        }
    }

    for (size_t i = 0; i < texts_.size(); ++i) {
        if (texts_[i] == announcement_) continue;
        QString now = texts_[i]->content();
        if (now == shownTexts_[i]) continue;
        if (tell) {
            QAccessibleTextUpdateEvent event(texts_[i], 0, shownTexts_[i], now);
            tellAssistiveTechnology(&event);
        }
        shownTexts_[i] = std::move(now);
    }

    // An entry changes one cell (both copies of a shared one); a hint puts its sentence into
    // the help line. A new board changes many cells and is not read out cell by cell.
    if (tell && changedCells.size() == 1 && !g->state.clock.paused) {
        const int column = changedCells[0] % kFieldSize, row = changedCells[0] / kFieldSize;
        announce(accessibleCellName(column, row) + QStringLiteral(": ") +
                 accessibleCellText(*g, column, row));
    }
    // A hint is taken off by the next key, so a second T shows a new hint at once.
    const QString hint = g->ui.hint.hintShown ? g->ui.helpText.trimmed() : QString();
    if (tell && !hint.isEmpty() && hint != hintShown_) announce(hint);
    hintShown_ = hint;
}

QAccessibleInterface* areaFactory(const QString&, QObject* object) {
    if (object == nullptr || !object->isWidgetType()) return nullptr;
    if (attachments().count(object) == 0) return nullptr;
    return new AreaAccessible(static_cast<QWidget*>(object));
}

} // namespace

QString accessibleCellName(int fieldColumn, int fieldRow) {
    GridCell cell;
    if (!gridCellAt(fieldColumn, fieldRow, cell)) return {};
    QString name = AppTexts::tr("Gitter %1, Zeile %2, Spalte %3")
                       .arg(cell.grid + 1)
                       .arg(cell.row)
                       .arg(cell.column);
    int grid = 0, column = 0, row = 0;
    if (otherCopy(cell.grid, cell.column, cell.row, grid, column, row))
        name += AppTexts::tr(", auch Gitter %1, Zeile %2, Spalte %3")
                    .arg(grid + 1)
                    .arg(row)
                    .arg(column);
    return name;
}

QString accessibleCellText(const Game& game, int fieldColumn, int fieldRow) {
    GridCell cell;
    if (!gridCellAt(fieldColumn, fieldRow, cell)) return {};
    // The pause cover hides the board from every eye.
    if (game.state.clock.paused) return AppTexts::tr("verdeckt");
    const Board& b = game.state.board;
    const int value = b.cellValue(cell.grid, cell.column, cell.row);
    if (value >= 1 && value <= 9) {
        QString text = valueText(b.options.showDigits, value);
        if (b.givenValue(cell.grid, cell.column, cell.row) != 0)
            return text + AppTexts::tr(", vorgegeben");
        text += AppTexts::tr(", Eintrag");
        // Shown red: an entry that differs from a known solution.
        const int solution = b.solutionValue(cell.grid, cell.column, cell.row);
        if (solution != 0 && solution != value) text += AppTexts::tr(", falsch");
        return text;
    }
    std::array<bool, 10> notes{};
    bool any = false;
    for (int v = 1; v <= 9; ++v)
        any |= notes[static_cast<size_t>(v)] = b.noteFlag(cell.grid, cell.column, cell.row, v);
    return any ? AppTexts::tr("leer, Notizen %1").arg(valueList(b, notes)) : AppTexts::tr("leer");
}

void attachAccessibleBoard(QWidget* area, Game* game, PictureToArea toArea) {
    static const bool installed = [] {
        QAccessible::installFactory(areaFactory);
        return true;
    }();
    (void)installed;
    auto& map = attachments();
    const bool known = map.count(area) != 0;
    Attachment& a = map[area];
    a.game = game;
    a.toArea = std::move(toArea);
    if (!known) {
        // An interface made for the area before it was attached is a plain widget's: it
        // goes, so that the next question gets the board.
        QObject::connect(area, &QObject::destroyed, [area] { attachments().erase(area); });
        QAccessibleInterface* existing = QAccessible::queryAccessibleInterface(area);
        if (existing != nullptr && dynamic_cast<AreaAccessible*>(existing) == nullptr)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(existing));
    }
    // The game as it stands is what later changes are told against.
    if (auto* iface = dynamic_cast<AreaAccessible*>(QAccessible::queryAccessibleInterface(area)))
        iface->followChanges(false);
}

void accessibleBoardChanged(QWidget* area) {
    if (!followingChanges()) return;
    const auto it = attachments().find(area);
    if (it == attachments().end() || it->second.checkPending) return;
    it->second.checkPending = true;
    QPointer<QWidget> guard(area);
    QTimer::singleShot(0, area, [guard] {
        if (guard.isNull()) return;
        const auto found = attachments().find(guard.data());
        if (found == attachments().end()) return;
        found->second.checkPending = false;
        if (auto* iface =
                dynamic_cast<AreaAccessible*>(QAccessible::queryAccessibleInterface(guard.data())))
            iface->followChanges();
    });
}

void setAccessibleEventSink(std::function<void(QAccessibleEvent*)> sink) {
    eventSink() = std::move(sink);
}
