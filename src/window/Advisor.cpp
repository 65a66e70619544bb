// Workers and labels of the hints and the live check.
#include "window/Advisor.h"

#include "window/GridView.h"

#include <QLabel>

namespace {

// Long enough for the engine's usual answer, short enough to feel instant.
constexpr std::chrono::milliseconds Patience{30};

} // namespace

Advisor::Advisor(Frm_TaBrel& form, GridView* grid1, GridView* grid3, GridView* grid2,
                 QLabel* playLine, QLabel* entryLine, QWidget* window)
    : QObject(window), form_(form), grids_{grid1, grid3, grid2} {
    const Frm_TaBrel::Controls controls = form_.controls();
    grid1->showHighlightsOf(&controls.PlayStatus);
    grid3->showHighlightsOf(&controls.PlayStatus);
    bindLabel(playLine, controls.PlayStatus);

    grid2->showHighlightsOf(&controls.EntryStatus);
    bindLabel(entryLine, controls.EntryStatus);
    entryChanged_.setSingleShot(true);
    connect(&entryChanged_, &QTimer::timeout, this, &Advisor::checkEntry);
    connect(&grid2->gridModel(), &QAbstractItemModel::dataChanged, this,
            [this] { entryChanged_.start(0); });
    checkEntry();
}

void Advisor::askHint(bool apply) {
    const HintQuestion question = form_.hintQuestion();
    if (question.known) {
        form_.takeHint(question, *question.known, apply);
        return;
    }
    const auto take = [this, question, apply](const Hint& hint) {
        form_.takeHint(question, hint, apply);
    };
    const HintPosition position = question.position;
    if (!hints_.ask([position] { return answerHint(position); }, take, Patience))
        form_.showHintPending();
}

void Advisor::checkEntry() {
    const EntryReading reading = form_.entryQuestion();
    const engine::Board board = reading.board;
    const auto take = [this, reading](const EntryVerdict& verdict) {
        form_.takeEntryVerdict(reading, verdict);
    };
    if (!verdicts_.ask([board] { return judgeEntry(board); }, take, Patience))
        form_.takeEntryVerdict(reading, std::nullopt);
}

void Advisor::bindLabel(QLabel* label, StatusLine& line) {
    line.onChanged = [this, label, &line] {
        label->setText(QString::fromStdString(line.text()));
        label->setToolTip(label->text());
        repaintGrids();
    };
}

void Advisor::repaintGrids() {
    for (GridView* grid : grids_)
        grid->viewport()->update();
}
