// The window's commands as tables: the menu bar's menus with their entries, and
// the buttons' keys, each with the keys that run it and where those keys act.
#pragma once

#include <QKeySequence>
#include <QList>
#include <functional>
#include <string>
#include <utility>
#include <vector>

class QAction;
class QMenuBar;
class QPushButton;
class QWidget;

// Where a command's keys act.
enum class KeyScope {
    Window,   // anywhere in the window; a text box keeps the keys it edits with
    Grids,    // only while a grid has the keyboard focus
    Controls, // while a grid or a button has the focus, never in a text box
};

// The widgets the scopes stand for.
struct KeyTargets {
    QWidget* window = nullptr;
    QList<QWidget*> grids;
    QList<QWidget*> buttons;
};

struct Command {
    // The visible text, "&" before the letter that picks it in an open menu;
    // empty for a separator.
    QString text;
    QList<QKeySequence> keys;
    KeyScope scope = KeyScope::Window;
    std::function<void()> run;
    // Set for a check item: called with its new state when it is toggled.
    std::function<void(bool checked)> toggled{};
    bool checked = false; // a check item's state at first
};

struct MenuTable {
    QString title;
    std::vector<Command> commands;
};

// An action owned by `targets.window` that runs `command`, its keys acting in
// the command's scope. Its object name is the text without "&", spaces and "…"
// ("ImportPuzzles").
QAction* commandAction(const Command& command, const KeyTargets& targets);
// The menus of `menus`, each entry an action of commandAction, in table order.
QMenuBar* buildMenuBar(const std::vector<MenuTable>& menus, const KeyTargets& targets);

struct ButtonKeys {
    const char* button; // object name
    QList<QKeySequence> keys;
    KeyScope scope;
};

// Gives each button of `buttons` its keys, which click it, and names them in
// its tooltip: "Revert (Ctrl+Z)".
void bindButtonKeys(const std::vector<ButtonKeys>& buttons, const KeyTargets& targets);

// "Ctrl+Shift+Z, Ctrl+Y" as the platform writes keys.
QString keysText(const QList<QKeySequence>& keys);
// The keys of every command of `window` as they are now, each with the
// command's text, in the order the commands were made.
std::vector<std::pair<std::string, std::string>> shortcutList(const QWidget* window);
