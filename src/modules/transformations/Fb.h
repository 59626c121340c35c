#pragma once

#include "app/modulewindow.h"
#include "modules/transformations/fbgraph.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;
class ScaleControls;

// Transformations (1): a base function under a transformation with one parameter k. Plots
// accumulate on the canvas until "&New" clears it.
class Fb : public ModuleWindow
{
    Q_OBJECT

public:
    Fb(ModuleContext &context, const ModuleEntry &entry);

private:
    void Form_Load();

    void Command1_Click();
    void Command2_Click();
    void prt_Click();

    transformations::fb::Graph graph() const;

    ScaleControls *m_scale;

    QLabel *Label1;
    QListWidget *List1;
    QLabel *Label2;
    QListWidget *List2;
    QGroupBox *Frame1;
    QLineEdit *Text5;
    QScrollBar *VScroll5;
    QLabel *Label3;
    QLineEdit *Text1;
    QScrollBar *VScroll1;
    QLabel *Label4;
    QCheckBox *Check1;
    QGroupBox *Frame2;
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Prt;
    QPushButton *Command3;
};
