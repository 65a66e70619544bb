// "Print Puzzles…": which puzzles (the one on the play grid, or new ones of a
// level), how many to a page, and whether a page of solutions follows; then
// the print dialog, or a PDF file.
#pragma once

#include "form/Frm_TaBrel.h"
#include "print/PuzzlePages.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QRadioButton;
class QSpinBox;

class PrintDialog : public QDialog {
    Q_OBJECT
public:
    PrintDialog(Frm_TaBrel& form, QWidget* parent);

    // Asks for the PDF file of "Save as PDF…"; "" when the user cancels. The
    // standard file dialog unless a test puts another in its place.
    std::function<QString()> choosePdf;

private:
    enum class Output { Printer, Pdf };
    void start(Output output);
    void paint(Output output, const std::vector<print::PrintedPuzzle>& puzzles);

    Frm_TaBrel& form_;
    QRadioButton* playGrid_;
    QSpinBox* count_;
    QComboBox* level_;
    QComboBox* perPage_;
    QCheckBox* solutions_;
};
