#pragma once

#include "app/modulewindow.h"
#include "modules/probability/experiment.h"

class MultiLineTextBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;

// Experiments of probability: tests of random whole results, an event over the results of one
// test, and the relative frequency of the event drawn test by test. Raising the number of tests
// and starting again continues the same experiment.
class Ff : public ModuleWindow
{
    Q_OBJECT

public:
    Ff(ModuleContext &context, const ModuleEntry &entry);

protected:
    // A resize starts the experiment afresh.
    void prepareCanvasForResize() override;

private:
    void Form_Load();
    void init();
    void Command1_Click();

    probability::Settings settings() const;

    QGroupBox *Frame1;
    QLabel *Label1;
    QLineEdit *Text1;
    QScrollBar *VScroll1;
    QLabel *Label2;
    QLineEdit *Text2;
    QScrollBar *VScroll2;
    QLabel *Label3;
    QLineEdit *Text3;
    QScrollBar *VScroll3;
    QLabel *Label4;
    QLineEdit *Text4;
    QScrollBar *VScroll4;
    QLabel *Label5;
    QLineEdit *Text5;
    QScrollBar *VScroll5;
    QListWidget *List1;
    QListWidget *List2;
    QGroupBox *Frame2;
    QLineEdit *Text6;
    QGroupBox *Frame3;
    QLineEdit *Text7;
    QGroupBox *Frame4;
    MultiLineTextBox *Text8;
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3;
    QLabel *Label6;

    probability::Experiment m_experiment;
};
