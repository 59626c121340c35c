#pragma once

#include <QLatin1String>
#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QWidget;

// Controls as the windows create them: each named by its objectName, so that tests and the
// scenario runner find it by that name.
QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption);
QLabel *makeLabel(QWidget *parent, const char *name, const QString &caption);
QLineEdit *makeTextBox(QWidget *parent, const char *name);
QScrollBar *makeSlider(QWidget *parent, const char *name);
QGroupBox *makeFrame(QWidget *parent, const char *name, const QString &caption);
