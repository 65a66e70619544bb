// Menu bars and button keys built from tables, with each key acting only where
// its scope allows.
#include "window/GameMenu.h"

#include <QAction>
#include <QMenuBar>
#include <QPushButton>

namespace {

// A widget-scoped action acts while one of the widgets it was added to has the
// focus: the grids, and for Controls the buttons too. Text boxes never get
// one, so a typed letter stays theirs.
void placeKeys(QAction* action, KeyScope scope, const KeyTargets& targets) {
    if (scope == KeyScope::Window) {
        action->setShortcutContext(Qt::WindowShortcut);
        targets.window->addAction(action);
        return;
    }
    action->setShortcutContext(Qt::WidgetShortcut);
    for (QWidget* grid : targets.grids)
        grid->addAction(action);
    if (scope == KeyScope::Controls)
        for (QWidget* button : targets.buttons)
            button->addAction(action);
}

QString plainText(QString text) {
    return text.remove('&');
}

QString nameOf(const QString& text) {
    return plainText(text).remove(' ').remove(u'…');
}

} // namespace

QAction* commandAction(const Command& command, const KeyTargets& targets) {
    auto* action = new QAction(command.text, targets.window);
    action->setObjectName(nameOf(command.text));
    action->setShortcuts(command.keys);
    placeKeys(action, command.scope, targets);
    if (command.toggled) {
        action->setCheckable(true);
        action->setChecked(command.checked);
        QObject::connect(action, &QAction::toggled, targets.window, command.toggled);
    } else {
        QObject::connect(action, &QAction::triggered, targets.window, command.run);
    }
    return action;
}

QMenuBar* buildMenuBar(const std::vector<MenuTable>& menus, const KeyTargets& targets) {
    auto* bar = new QMenuBar(targets.window);
    bar->setObjectName("MenuBar");
    for (const MenuTable& table : menus) {
        QMenu* menu = bar->addMenu(table.title);
        menu->setObjectName(plainText(table.title) + "Menu");
        for (const Command& command : table.commands) {
            if (command.text.isEmpty())
                menu->addSeparator();
            else
                menu->addAction(commandAction(command, targets));
        }
    }
    return bar;
}

void bindButtonKeys(const std::vector<ButtonKeys>& buttons, const KeyTargets& targets) {
    for (const ButtonKeys& keys : buttons) {
        auto* button = targets.window->findChild<QPushButton*>(keys.button);
        auto* action = commandAction(
            {button->text(), keys.keys, keys.scope, [button] { button->click(); }}, targets);
        button->setToolTip(button->text() + " (" + keysText(action->shortcuts()) + ")");
    }
}

QString keysText(const QList<QKeySequence>& keys) {
    QStringList names;
    for (const QKeySequence& key : keys)
        names << key.toString(QKeySequence::NativeText);
    return names.join(", ");
}

std::vector<std::pair<std::string, std::string>> shortcutList(const QWidget* window) {
    std::vector<std::pair<std::string, std::string>> list;
    for (const QAction* action : window->findChildren<QAction*>(Qt::FindDirectChildrenOnly))
        if (!action->shortcuts().isEmpty())
            list.emplace_back(keysText(action->shortcuts()).toStdString(),
                              plainText(action->text()).toStdString());
    return list;
}
