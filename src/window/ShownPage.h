// Keeps the form's record of the page shown true from the moment a page appears.
#pragma once

#include "controls/Controls.h"

#include <QObject>

class QTabWidget;

// Writes the index of each page of `tabs` into `area` as the page is shown. Qt
// shows the new page, then moves the focus onto it, and only then signals the
// change; a control of the page taking the focus must already find it shown.
class ShownPage : public QObject {
public:
    ShownPage(QTabWidget* tabs, TabArea& area);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTabWidget* tabs_;
    TabArea& area_;
};
