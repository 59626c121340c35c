#pragma once

#include "app/modulewindow.h"
#include "modules/functions/cubic.h"

class MultiLineTextBox;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;
class ScaleControls;

// Functions of the third degree: a polynomial of at most the third degree with its two
// derivatives drawn in three colours, written out or factorised, with its roots, extrema, point
// of inflection and the tangent there.
class Fa : public ModuleWindow
{
    Q_OBJECT

public:
    Fa(ModuleContext &context, const ModuleEntry &entry);

private:
    void Form_Load();
    void Command1_Click();
    DrawResult draw();

    cubic::Coefficients coefficients() const;

    ScaleControls *m_scale;

    QLabel *Label6;
    QListWidget *List1;
    QGroupBox *Frame1;
    QCheckBox *Check1;
    QLineEdit *Text1;
    QScrollBar *VScroll1;
    QLabel *Label1;
    QRadioButton *Option1;
    QRadioButton *Option2;
    QLabel *Label2;
    QLabel *Label3;
    QLabel *Label4;
    QLabel *Label5;
    QLineEdit *Text2;
    QLineEdit *Text3;
    QLineEdit *Text4;
    QLineEdit *Text5;
    QScrollBar *VScroll2;
    QScrollBar *VScroll3;
    QScrollBar *VScroll4;
    QScrollBar *VScroll5;
    QLabel *Label7;
    QLabel *Label8;
    QLabel *Label9;
    QLineEdit *Text6;
    QLineEdit *Text7;
    QLineEdit *Text8;
    QGroupBox *Frame6;
    QLineEdit *Text11;
    QGroupBox *Frame7;
    MultiLineTextBox *Text9;
    QGroupBox *Frame8;
    MultiLineTextBox *Text10;
    QPushButton *Command1;
    QPushButton *Command2;
};
