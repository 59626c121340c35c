#pragma once

#include "app/modulewindow.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QScrollBar;

// The window of a module whose own controls are not there yet: its canvas, scale, grid and
// "&End", so that every entry of the start window opens a window that behaves like the others.
class PlaceholderWindow : public ModuleWindow
{
    Q_OBJECT

public:
    PlaceholderWindow(ModuleContext &context, const ModuleEntry &entry);

private:
    QCheckBox *Check1;
    QLineEdit *Text1;
    QScrollBar *VScroll1;
    QPushButton *Command3;
};
