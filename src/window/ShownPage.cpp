// The page shown, taken from the pages' own show events.
#include "window/ShownPage.h"

#include <QEvent>
#include <QTabWidget>

ShownPage::ShownPage(QTabWidget* tabs, TabArea& area) : QObject(tabs), tabs_(tabs), area_(area) {
    for (int tab = 0; tab < tabs_->count(); ++tab)
        tabs_->widget(tab)->installEventFilter(this);
    area_.tab = static_cast<Page>(tabs_->currentIndex());
}

bool ShownPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        if (const int tab = tabs_->indexOf(static_cast<QWidget*>(watched)); tab >= 0)
            area_.tab = static_cast<Page>(tab);
    }
    return QObject::eventFilter(watched, event);
}
