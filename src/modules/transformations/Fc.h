#pragma once

#include "app/modulewindow.h"
#include "modules/transformations/fcgraph.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;
class ScaleControls;

// Transformations (2): a base function under transformations with up to four parameters, up to
// y = k·f(c(x - a)) + b. Plots accumulate on the canvas until "&New" clears it.
class Fc : public ModuleWindow
{
    Q_OBJECT

public:
    Fc(ModuleContext &context, const ModuleEntry &entry);

private:
    void Form_Load();

    void Command1_Click();
    void Command2_Click();
    void prt_Click();

    transformations::fc::Graph graph() const;

    ScaleControls *m_scale;

    QGroupBox *Frame1;
    QLabel *Label1;
    QListWidget *List1;
    QLabel *Label2;
    QListWidget *List2;
    QGroupBox *Frame2;
    QLineEdit *Text5;
    QScrollBar *VScroll5;
    QLabel *Label3;
    QLineEdit *Text3;
    QScrollBar *VScroll3;
    QLabel *Label5;
    QLineEdit *Text2;
    QScrollBar *VScroll2;
    QLabel *Label4;
    QLineEdit *Text4;
    QScrollBar *VScroll4;
    QLabel *Label6;
    QGroupBox *Frame3;
    QLineEdit *Text1;
    QScrollBar *VScroll1;
    QLabel *Label7;
    QCheckBox *Check1;
    QGroupBox *Frame4;
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Prt;
    QPushButton *Command3;
};
