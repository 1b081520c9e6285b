// The list of keyboard shortcuts, built from the loops' command tables and the key rows of
// the cursor, undo and pause, so that a key added to a table is listed at once.
#include "play/keylist.h"

#include "help/help.h"
#include "platform/texts.h"
#include "play/commands.h"
#include "play/cursor.h"
#include "play/pause.h"
#include "play/undo.h"
#include "session/game.h"

#include <QPointer>
#include <QTextBrowser>

#include <span>

namespace {

// The texts of the tables are marked in the context of the play loop's texts.
QString translated(const char* text) {
    return PlayTexts::tr(text);
}

void addCommands(std::vector<KeyListEntry>& entries, const CommandTable& table) {
    for (const KeyCommand& command : table.keys)
        if (command.description[0] != '\0')
            entries.push_back({keyName(command.key), translated(command.description)});
}

KeyListGroup helpGroup(const char* title, std::span<const KeyHelp> rows) {
    KeyListGroup group{translated(title), {}};
    for (const KeyHelp& row : rows)
        group.entries.push_back({translated(row.keys), translated(row.description)});
    return group;
}

// One key as the status strip names it, after those before it.
void addStripName(QString& strip, const StripName& name, const QString& keys) {
    if (name.word == nullptr) return;
    if (!strip.isEmpty()) strip += QStringLiteral("  ");
    strip += (name.keys != nullptr ? PanelTexts::tr(name.keys) : keys) + QStringLiteral(": ") +
             PanelTexts::tr(name.word);
}

void addStripRows(QString& strip, std::span<const KeyHelp> rows) {
    for (const KeyHelp& row : rows) addStripName(strip, row.strip, translated(row.keys));
}

} // namespace

QString keyName(int code) {
    switch (code) {
    case kKeyEsc:
        return QStringLiteral("Esc");
    case kKeyF1:
        return QStringLiteral("F1");
    case kKeyEnter:
        return PlayTexts::tr("Eingabe");
    case kKeySpace:
        return PlayTexts::tr("Leertaste");
    default:
        if (code > ' ' && code < 127) return QString(QChar(code));
        return QStringLiteral("#%1").arg(code);
    }
}

std::vector<KeyListGroup> keyList() {
    std::vector<KeyListGroup> groups;
    KeyListGroup play{PlayTexts::tr("Im Spiel"), {}};
    addCommands(play.entries, playCommands());
    groups.push_back(std::move(play));
    KeyListGroup editor{PlayTexts::tr("Eigenes Brett"), {}};
    addCommands(editor.entries, editorCommands());
    groups.push_back(std::move(editor));
    groups.push_back(helpGroup(
        QT_TRANSLATE_NOOP("PlayTexts", "Cursor (im Spiel und im eigenen Brett)"), cursorKeyHelp()));
    groups.push_back(
        helpGroup(QT_TRANSLATE_NOOP("PlayTexts", "Zurücknehmen (im Spiel und im eigenen Brett)"),
                  undoKeyHelp()));
    groups.push_back(helpGroup(QT_TRANSLATE_NOOP("PlayTexts", "Pause (im Spiel)"), pauseKeyHelp()));
    return groups;
}

QString stripKeys(const CommandTable& table) {
    QString strip;
    addStripRows(strip, cursorKeyHelp());
    addStripRows(strip, undoKeyHelp());
    if (table.pause) addStripRows(strip, pauseKeyHelp());
    for (const KeyCommand& command : table.keys)
        addStripName(strip, command.strip, keyName(command.key));
    return strip;
}

QString keyListHtml() {
    QString html = QStringLiteral("<html><body>");
    for (const KeyListGroup& group : keyList()) {
        html += QStringLiteral("<h3>%1</h3><table cellspacing=\"2\" cellpadding=\"2\">")
                    .arg(group.title.toHtmlEscaped());
        for (const KeyListEntry& entry : group.entries)
            html += QStringLiteral("<tr><td><b>%1</b></td><td>&nbsp;&nbsp;%2</td></tr>")
                        .arg(entry.keys.toHtmlEscaped(), entry.description.toHtmlEscaped());
        html += QStringLiteral("</table>");
    }
    return html + QStringLiteral("</body></html>");
}

void showKeyList(Game& g) {
    // One window, kept while open and shown again by the next call; beside the game and
    // closed by Esc like the manual, so that the next key goes to the game again.
    static QPointer<QWidget> slot;
    if (slot == nullptr) {
        QTextBrowser* made = textWindow(g, slot);
        made->setObjectName(QStringLiteral("keyList"));
    }
    auto* window = qobject_cast<QTextBrowser*>(slot.data());
    window->setWindowTitle(PlayTexts::tr("Tastenkürzel"));
    window->setHtml(keyListHtml());
    g.platform.showHelpWindow(window);
}
