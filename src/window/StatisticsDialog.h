// "Statistics…": the games played, level by level, and "Reset".
#pragma once

#include "form/Frm_TaBrel.h"

#include <QDialog>

class QTableWidget;

class StatisticsDialog : public QDialog {
    Q_OBJECT
public:
    StatisticsDialog(Frm_TaBrel& form, QWidget* parent);

private:
    void showRecords();

    Frm_TaBrel& form_;
    QTableWidget* table_;
};
