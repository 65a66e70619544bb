// The puzzles to print gathered, new ones made through the form off the
// window's thread, and the pages painted by the one layout of src/print.
#include "window/PrintDialog.h"

#include "print/PuzzlePages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QLocale>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

using engine::Level;

constexpr Level Levels[] = {Level::Easy, Level::Medium, Level::Hard, Level::Expert, Level::Extreme};

} // namespace

PrintDialog::PrintDialog(Frm_TaBrel& form, QWidget* parent) : QDialog(parent), form_(form) {
    setObjectName("PrintDialog");
    setWindowTitle(tr("Print Puzzles"));
    playGrid_ = new QRadioButton(tr("The puzzle on the play grid"));
    playGrid_->setObjectName("PlayGridPuzzle");
    playGrid_->setChecked(true);
    auto* fresh = new QRadioButton(tr("New puzzles:"));
    fresh->setObjectName("NewPuzzles");
    count_ = new QSpinBox;
    count_->setObjectName("Count");
    count_->setAccessibleName(tr("How many"));
    count_->setRange(1, 60);
    count_->setValue(6);
    level_ = new QComboBox;
    level_->setObjectName("Level");
    level_->setAccessibleName(tr("Level"));
    for (const Level level : Levels)
        level_->addItem(QString::fromStdString(std::string(engine::levelName(level))));
    perPage_ = new QComboBox;
    perPage_->setObjectName("PerPage");
    for (const int count : print::PerPageChoices)
        perPage_->addItem(QString::number(count), count);
    solutions_ = new QCheckBox(tr("A last page of solutions"));
    solutions_->setObjectName("Solutions");

    auto* freshRow = new QHBoxLayout;
    freshRow->addWidget(fresh);
    freshRow->addWidget(count_);
    freshRow->addWidget(level_);
    auto* form_layout = new QFormLayout;
    form_layout->addRow(tr("Puzzles to a page:"), perPage_);
    form_layout->addRow(solutions_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    QPushButton* toPrinter = buttons->addButton(tr("Print…"), QDialogButtonBox::AcceptRole);
    toPrinter->setObjectName("Print");
    QPushButton* toPdf = buttons->addButton(tr("Save as PDF…"), QDialogButtonBox::AcceptRole);
    toPdf->setObjectName("SaveAsPdf");
    connect(toPrinter, &QPushButton::clicked, this, [this] { start(Output::Printer); });
    connect(toPdf, &QPushButton::clicked, this, [this] { start(Output::Pdf); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(playGrid_);
    layout->addLayout(freshRow);
    layout->addLayout(form_layout);
    layout->addWidget(buttons);
    choosePdf = [this] {
        return QFileDialog::getSaveFileName(this, tr("Save as PDF"), "puzzles.pdf",
                                            tr("PDF files (*.pdf)"));
    };
}

// New puzzles come from the runner; the dialog waits for them, busy.
void PrintDialog::start(Output output) {
    if (playGrid_->isChecked()) {
        paint(output, {{form_.givens(), form_.gameLevel()}});
        return;
    }
    const Level level = Levels[level_->currentIndex()];
    setEnabled(false);
    setCursor(Qt::BusyCursor);
    form_.makePuzzles(level, count_->value(), [this, output, level](const auto& boards) {
        setEnabled(true);
        unsetCursor();
        std::vector<print::PrintedPuzzle> puzzles;
        for (const engine::Board& board : boards)
            puzzles.push_back({board, level});
        paint(output, puzzles);
    });
}

void PrintDialog::paint(Output output, const std::vector<print::PrintedPuzzle>& puzzles) {
    const print::PageOptions options{perPage_->currentData().toInt(), solutions_->isChecked()};
    bool painted = false;
    if (output == Output::Pdf) {
        const QString file = choosePdf();
        if (file.isEmpty())
            return;
        QPdfWriter pdf(file);
        pdf.setPageLayout(print::pageLayoutFor(QLocale()));
        painted = print::paintPuzzles(pdf, puzzles, options);
    } else {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageLayout(print::pageLayoutFor(QLocale()));
        QPrintDialog ask(&printer, this);
        if (ask.exec() != QDialog::Accepted)
            return;
        painted = print::paintPuzzles(printer, puzzles, options);
    }
    if (painted)
        accept();
    else
        QMessageBox::warning(this, windowTitle(), tr("The pages could not be written."));
}
