#pragma once

#include "app/modulewindow.h"
#include "modules/quadratic/quadratic.h"

class MultiLineTextBox;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;
class ScaleControls;

// The quadratic function: a parabola in one of five prescriptions, its coefficients kept in line
// between the standard and the vertex form, its graph, and a table of values and signs.
class Fd : public ModuleWindow
{
    Q_OBJECT

public:
    Fd(ModuleContext &context, const ModuleEntry &entry);

private:
    void Form_Load();
    void init();
    bool wijzigen();

    void Command1_Click();
    void Command2_Click();
    void Command4_Click();
    void Command5_Click();
    void prt_Click();

    quadratic::Prescription prescription() const;
    quadratic::QuadraticCoefficients coefficients() const;

    ScaleControls *m_scale;

    QLabel *Label1;
    QListWidget *List1;
    QGroupBox *Frame1;
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3;
    QPushButton *Command4;
    QPushButton *Command5;
    QPushButton *Prt;
    QGroupBox *Frame2;
    QCheckBox *Check1;
    QLineEdit *Text1;
    QScrollBar *VScroll1;
    QLineEdit *Text2;
    QLineEdit *Text3;
    QLineEdit *Text4;
    QLineEdit *Text5;
    QLineEdit *Text6;
    QScrollBar *VScroll2;
    QScrollBar *VScroll3;
    QScrollBar *VScroll4;
    QScrollBar *VScroll5;
    QScrollBar *VScroll6;
    QLabel *Label2;
    QLabel *Label3;
    QLabel *Label4;
    QLabel *Label5;
    QLabel *Label6;
    QLabel *Label7;
    QGroupBox *Frame3;
    MultiLineTextBox *Text7;

    // Which form was edited last: the standard form (a, b, c) or the vertex form (p, q).
    bool abcChanged = false;
    bool pqChanged = false;
};
