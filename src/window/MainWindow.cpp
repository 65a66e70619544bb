// Controls, their places on the two pages and outside them, and the wiring of
// the buttons to the form.
#include "window/MainWindow.h"

#include "window/GridView.h"
#include "window/Units.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
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

} // namespace

MainWindow::MainWindow(QtShell& shell, QWidget* parent)
    : QWidget(parent), shell_(shell), form_(shell) {
    setObjectName("Frm_TaBrel");
    setWindowTitle(WindowCaption);
    SSTab2 = new QTabWidget;
    name(SSTab2, "SSTab2", "Pages");
    SSTab2->addTab(buildPlayPage(), "Play Game");
    SSTab2->addTab(buildEntryPage(), "Add a New Game");
    connect(SSTab2, &QTabWidget::currentChanged, this, [this](int tab) { form_.SSTab2.tab = tab; });

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(SSTab2, 0, Qt::AlignTop);
    layout->addWidget(buildOutsideTabs(), 0, Qt::AlignTop);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    shell_.attach(this, SSTab2);
    form_.Form_Load();
}

// A run of "Auto Play" holds the event loop through its yields; closing the
// window asks it to stop, so the program ends as soon as the pass under way has.
void MainWindow::closeEvent(QCloseEvent* event) {
    form_.Command12_Click();
    QWidget::closeEvent(event);
}

QWidget* MainWindow::buildPlayPage() {
    auto* page = new QWidget;
    Grid3 = new GridView(form_.Grid3, GridView::Style::Digits);
    name(Grid3, "Grid3", "Play grid");
    Text2 = new QLineEdit;
    name(Text2, "Text2", "Digit");
    bindTextBox(Text2, form_.Text2);
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
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(Grid3, 0, Qt::AlignTop);
    layout->addLayout(buttons);
    return page;
}

QWidget* MainWindow::buildEntryPage() {
    entryPage_ = new QWidget;
    Grid2 = new GridView(form_.Grid2, GridView::Style::Digits);
    name(Grid2, "Grid2", "Entry grid");
    Check1 = new QCheckBox("Fast Entry Mode");
    name(Check1, "Check1", "Fast Entry Mode");
    connect(Check1, &QCheckBox::toggled, this,
            [this](bool checked) { form_.Check1.value = checked ? 1 : 0; });
    auto* buttons = column({
        Check1,
        button("Command5", "Save Game", nullptr),
        button("Command8", "Clear Grid", &Frm_TaBrel::Command8_Click),
    });
    auto* layout = new QHBoxLayout(entryPage_);
    layout->addWidget(Grid2, 0, Qt::AlignTop);
    layout->addLayout(buttons);

    // The floating editor lies over the grid, so it is placed by hand, not by the layout.
    Text1 = new QLineEdit(entryPage_);
    name(Text1, "Text1", "Cell editor");
    Text1->setFrame(false);
    bindTextBox(Text1, form_.Text1);
    connect(Grid2, &GridView::moved, this, &MainWindow::trackGrid2Position);
    return entryPage_;
}

QWidget* MainWindow::buildOutsideTabs() {
    auto* side = new QWidget;
    Grid1 = new GridView(form_.Grid1, GridView::Style::Candidates);
    name(Grid1, "Grid1", "Candidate grid");
    DataCombo1 = new QComboBox;
    name(DataCombo1, "DataCombo1", "Stored games");
    DataCombo1->setEditable(true);
    auto* layout = new QVBoxLayout(side);
    layout->addWidget(Grid1);
    layout->addWidget(DataCombo1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button("Cmd_findodd", "Auto Play", &Frm_TaBrel::Cmd_findodd_Click));
    buttons->addWidget(button("Command2", "Default Game", &Frm_TaBrel::Command2_Click));
    buttons->addWidget(button("Command6", "Restore Game", nullptr));
    buttons->addWidget(button("Command10", "Delete Game", nullptr));
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

// The form's text box is the truth; the line edit shows it and reports the user's typing.
void MainWindow::bindTextBox(QLineEdit* edit, TextBox& box) {
    auto show = [this, edit, &box] {
        if (edit->text().toStdString() != box.text())
            edit->setText(QString::fromStdString(box.text()));
        if (edit == Text1)
            placeEditor();
    };
    box.onChanged = show;
    connect(edit, &QLineEdit::textEdited, this,
            [&box](const QString& text) { box.setText(text.toStdString()); });
    show();
}

void MainWindow::placeEditor() {
    const TextBox& box = form_.Text1;
    const UnitRect& rect = box.rect();
    Text1->setGeometry(toPixels(rect.left), toPixels(rect.top), toPixels(rect.width),
                       toPixels(rect.height));
    Text1->setVisible(box.visible() && rect.width > 0 && rect.height > 0);
    QPalette palette = Text1->palette();
    palette.setColor(QPalette::Base,
                     QColor(box.backColor().r, box.backColor().g, box.backColor().b));
    Text1->setPalette(palette);
    Text1->raise();
}

void MainWindow::trackGrid2Position() {
    const QPoint origin = Grid2->cellOrigin(entryPage_);
    form_.Grid2.setPosition(toUnits(origin.x()), toUnits(origin.y()));
}
