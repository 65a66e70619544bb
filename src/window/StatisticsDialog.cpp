// A table of the form's statistics, read again after a reset.
#include "window/StatisticsDialog.h"

#include "form/StatusWords.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString timeOrDash(std::int64_t seconds, int games) {
    return games == 0 ? "–" : QString::fromStdString(playedTime(seconds));
}

} // namespace

StatisticsDialog::StatisticsDialog(Frm_TaBrel& form, QWidget* parent)
    : QDialog(parent), form_(form) {
    setObjectName("StatisticsDialog");
    setWindowTitle(tr("Statistics"));
    table_ = new QTableWidget(0, 7);
    table_->setObjectName("Statistics");
    table_->setHorizontalHeaderLabels({tr("Level"), tr("Played"), tr("Solved"),
                                       tr("Without hints or Auto Play"), tr("Best time"),
                                       tr("Average time"), tr("Streak")});
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton* reset = buttons->addButton(tr("Reset"), QDialogButtonBox::ResetRole);
    reset->setObjectName("Reset");
    connect(reset, &QPushButton::clicked, this, [this] {
        form_.resetStatistics();
        showRecords();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(buttons);
    showRecords();
    table_->resizeColumnsToContents();
    resize(table_->horizontalHeader()->length() + 40, 300);
}

void StatisticsDialog::showRecords() {
    const std::vector<LevelRecord> records = form_.statistics();
    table_->setRowCount(static_cast<int>(records.size()));
    for (int row = 0; row < table_->rowCount(); ++row) {
        const LevelRecord& record = records[static_cast<std::size_t>(row)];
        const QString cells[] = {QString::fromStdString(record.level),
                                 QString::number(record.played),
                                 QString::number(record.solved),
                                 QString::number(record.clean),
                                 timeOrDash(record.bestSeconds, record.clean),
                                 timeOrDash(record.averageSeconds, record.clean),
                                 QString::number(record.streak)};
        for (int col = 0; col < 7; ++col)
            table_->setItem(row, col, new QTableWidgetItem(cells[col]));
    }
}
