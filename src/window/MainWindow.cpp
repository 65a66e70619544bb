// Controls, their places on the two pages and outside them, and the wiring of
// the buttons to the form.
#include "window/MainWindow.h"

#include "window/CellEditor.h"
#include "window/GridView.h"
#include "window/ShownPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

void name(QWidget* widget, const char* objectName, const QString& accessibleName) {
    widget->setObjectName(objectName);
    widget->setAccessibleName(accessibleName);
}

QVBoxLayout* column(std::initializer_list<QWidget*> widgets) {
    auto* layout = new QVBoxLayout;
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    layout->addStretch();
    return layout;
}

// Two lines of wrapped text that never widen the fixed layout.
QLabel* statusLine(const char* objectName, const QString& accessibleName) {
    auto* label = new QLabel;
    name(label, objectName, accessibleName);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    label->setFixedHeight(2 * label->fontMetrics().lineSpacing() + 4);
    return label;
}

// A page: its grid with the buttons beside it and its status line under both.
void layOutPage(QWidget* page, GridView* grid, QLayout* buttons, QLabel* line) {
    auto* top = new QHBoxLayout;
    top->addWidget(grid, 0, Qt::AlignTop);
    top->addLayout(buttons);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addWidget(line);
}

bool showsEntries(const QComboBox* combo, const std::vector<ListEntry>& entries) {
    if (combo->count() != static_cast<int>(entries.size()))
        return false;
    for (int i = 0; i < combo->count(); ++i) {
        const ListEntry& entry = entries[static_cast<std::size_t>(i)];
        if (combo->itemText(i).toStdString() != entry.label ||
            combo->itemData(i).toLongLong() != entry.bookmark)
            return false;
    }
    return true;
}

} // namespace

MainWindow::MainWindow(QtShell& shell, const QString& programFolder, const QString& settingsFile,
                       QWidget* parent)
    : QMainWindow(parent), shell_(shell),
      form_(shell, std::filesystem::path(QFile::encodeName(programFolder).toStdString())),
      settings_(settingsFile.isEmpty()
                    ? std::make_unique<QSettings>()
                    : std::make_unique<QSettings>(settingsFile, QSettings::IniFormat)) {
    setObjectName("Frm_TaBrel");
    setWindowTitle(WindowCaption);
    SSTab2 = new QTabWidget;
    name(SSTab2, "SSTab2", "Pages");
    SSTab2->addTab(buildPlayPage(), "Play Game");
    SSTab2->addTab(buildEntryPage(), "Add a New Game");
    new ShownPage(SSTab2, controls_.SSTab2);

    auto* central = new QWidget;
    auto* layout = new QHBoxLayout(central);
    layout->addWidget(SSTab2, 0, Qt::AlignTop);
    layout->addWidget(buildOutsideTabs(), 0, Qt::AlignTop);
    setCentralWidget(central);
    QMainWindow::layout()->setSizeConstraint(QLayout::SetFixedSize);
    addDockWidget(Qt::RightDockWidgetArea, buildHistory());
    buildStatusBar();
    bindKeys();
    bindNotes();

    bindLine(playLine_, controls_.PlayStatus, {Grid1, Grid3});
    bindLine(entryLine_, controls_.EntryStatus, {Grid2});
    shell_.attach(this, SSTab2);
    form_.Form_Load();
}

// The views watch the form's grids, so they go while the form is still there;
// QWidget would delete them only after it. What the other controls do as they
// go (a dock hidden, a check item cleared) is no choice of the user's, so it
// reaches neither the form nor the settings.
MainWindow::~MainWindow() {
    delete takeCentralWidget();
    for (QObject* child : children())
        child->disconnect(this);
}

// The clock counts only while the player can see the game.
void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange)
        form_.setWindowActive(isActiveWindow());
}

// A run of "Auto Play" holds the event loop through its yields; closing the
// window asks it to stop, so the program ends as soon as the pass under way has.
void MainWindow::closeEvent(QCloseEvent* event) {
    form_.Form_Unload();
    QWidget::closeEvent(event);
}

QWidget* MainWindow::buildPlayPage() {
    auto* page = new QWidget;
    Grid3 = new GridView(controls_.Grid3, GridView::Style::Digits);
    name(Grid3, "Grid3", "Play grid");
    Text2 = new QLineEdit;
    name(Text2, "Text2", "Digit");
    bindTextBox(Text2, controls_.Text2);
    auto* buttons = column({
        Text2,
        button("Command11", "Put In the Grid", &Frm_TaBrel::Command11_Click),
        button("Command1", "Update", &Frm_TaBrel::Command1_Click),
        button("Command13", "Clue", &Frm_TaBrel::Command13_Click),
        button("Command3", "Revert", &Frm_TaBrel::Command3_Click),
        button("Command4", "Forward", &Frm_TaBrel::Command4_Click),
        button("Command9", "Chk.Dup", &Frm_TaBrel::Command9_Click),
        button("Command12", "Stop", &Frm_TaBrel::Command12_Click),
        button("Command7", "Clear Grids", &Frm_TaBrel::Command7_Click),
    });
    playLine_ = statusLine("PlayStatus", "Status line");
    layOutPage(page, Grid3, buttons, playLine_);
    return page;
}

QWidget* MainWindow::buildEntryPage() {
    entryPage_ = new QWidget;
    Grid2 = new GridView(controls_.Grid2, GridView::Style::Digits);
    name(Grid2, "Grid2", "Entry grid");
    Check1 = new QCheckBox("Fast Entry Mode");
    name(Check1, "Check1", "Fast Entry Mode");
    connect(Check1, &QCheckBox::toggled, this,
            [this](bool checked) { controls_.Check1.value = checked ? 1 : 0; });
    auto* buttons = column({
        Check1,
        button("Command5", "Save Game", &Frm_TaBrel::Command5_Click),
        button("Command8", "Clear Grid", &Frm_TaBrel::Command8_Click),
    });
    entryLine_ = statusLine("EntryStatus", "Entry check");
    layOutPage(entryPage_, Grid2, buttons, entryLine_);

    // The floating editor lies over the grid, so it is placed by hand, not by the layout.
    Text1 = new CellEditor(form_, Grid2, entryPage_);
    name(Text1, "Text1", "Cell editor");
    return entryPage_;
}

QWidget* MainWindow::buildOutsideTabs() {
    auto* side = new QWidget;
    Grid1 = new GridView(controls_.Grid1, GridView::Style::Candidates);
    name(Grid1, "Grid1", "Candidate grid");
    DataCombo1 = new QComboBox;
    name(DataCombo1, "DataCombo1", "Stored games");
    DataCombo1->setEditable(true);
    bindGameList();
    auto* layout = new QVBoxLayout(side);
    layout->addWidget(Grid1);
    layout->addWidget(DataCombo1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button("Cmd_findodd", "Auto Play", &Frm_TaBrel::Cmd_findodd_Click));
    buttons->addWidget(button("Command2", "Default Game", &Frm_TaBrel::Command2_Click));
    buttons->addWidget(button("Command6", "Restore Game", &Frm_TaBrel::Command6_Click));
    buttons->addWidget(button("Command10", "Delete Game", &Frm_TaBrel::Command10_Click));
    layout->addLayout(buttons);
    layout->addStretch();
    return side;
}

QPushButton* MainWindow::button(const char* objectName, const char* caption,
                                void (Frm_TaBrel::*handler)()) {
    auto* button = new QPushButton(caption);
    name(button, objectName, caption);
    if (handler)
        connect(button, &QPushButton::clicked, this, [this, handler] { (form_.*handler)(); });
    return button;
}

// The form's text box is the truth; the line edit shows it and reports every change
// of its text, typed or set by another program (a screen reader, an automation
// tool). The form's own text coming back from the edit is no change.
void MainWindow::bindTextBox(QLineEdit* edit, TextBox& box) {
    auto show = [edit, &box] {
        if (edit->text().toStdString() != box.text())
            edit->setText(QString::fromStdString(box.text()));
    };
    box.onChanged = show;
    connect(edit, &QLineEdit::textChanged, this, [&box](const QString& text) {
        if (text.toStdString() != box.text())
            box.setText(text.toStdString());
    });
    show();
}

// The form's list is the truth: the combo box shows its entries, each carrying its
// bookmark, its selection and its edit field, and reports the user's choice and typing.
void MainWindow::bindGameList() {
    DropDownList& list = controls_.DataCombo1;
    DataCombo1->setInsertPolicy(QComboBox::NoInsert);
    auto show = [this, &list] {
        // Only the user's own changes may reach the form.
        const QSignalBlocker blocker(DataCombo1);
        const QSignalBlocker editBlocker(DataCombo1->lineEdit());
        if (!showsEntries(DataCombo1, list.entries())) {
            DataCombo1->clear();
            for (const ListEntry& entry : list.entries())
                DataCombo1->addItem(QString::fromStdString(entry.label),
                                    QVariant::fromValue<qlonglong>(entry.bookmark));
        }
        if (DataCombo1->currentIndex() != list.selected())
            DataCombo1->setCurrentIndex(list.selected());
        if (DataCombo1->currentText().toStdString() != list.text())
            DataCombo1->setEditText(QString::fromStdString(list.text()));
    };
    list.onChanged = show;
    connect(DataCombo1, &QComboBox::currentIndexChanged, this,
            [&list](int index) { list.select(index); });
    // The combo box shows a chosen entry's label before it reports the choice; that
    // text is the choice's, which select() puts in the edit field itself.
    connect(
        DataCombo1->lineEdit(), &QLineEdit::textChanged, this, [this, &list](const QString& text) {
            if (DataCombo1->currentIndex() == list.selected() && text.toStdString() != list.text())
                list.setText(text.toStdString());
        });
    show();
}

// The marks live beside the cells, so a new line repaints its grids.
void MainWindow::bindLine(QLabel* label, StatusLine& line, std::initializer_list<GridView*> grids) {
    QList<GridView*> views(grids);
    for (GridView* grid : views)
        grid->showHighlightsOf(&line);
    line.onChanged = [label, &line, views] {
        label->setText(QString::fromStdString(line.text()));
        label->setToolTip(
            QString::fromStdString(line.detail().empty() ? line.text() : line.detail()));
        for (GridView* grid : views)
            grid->viewport()->update();
    };
}
