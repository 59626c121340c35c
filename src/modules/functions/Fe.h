#pragma once

#include "app/modulewindow.h"
#include "modules/functions/families.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;
class ScaleControls;

// Graphics of functions: a gallery of seven function families with four coefficients. Plots
// accumulate on the canvas so that graphs can be compared; "&New" clears it.
class Fe : public ModuleWindow
{
    Q_OBJECT

public:
    Fe(ModuleContext &context, const ModuleEntry &entry);

private:
    void Form_Load();

    void Command1_Click();
    void Command2_Click();
    void prt_Click();

    families::Family family() const;
    families::Coefficients coefficients() const;

    ScaleControls *m_scale;

    QLabel *Label1;
    QListWidget *List1;
    QGroupBox *Frame2;
    QCheckBox *Check1;
    QLineEdit *Text1;
    QScrollBar *VScroll1;
    QLabel *Label2;
    QLineEdit *Text2;
    QScrollBar *VScroll2;
    QLabel *Label7;
    QLineEdit *Text3;
    QScrollBar *VScroll3;
    QLabel *Label4;
    QLineEdit *Text4;
    QScrollBar *VScroll4;
    QLabel *Label5;
    QLineEdit *Text5;
    QScrollBar *VScroll5;
    QLabel *Label6;
    QGroupBox *Frame1;
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Prt;
    QPushButton *Command3;
};
