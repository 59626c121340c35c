#pragma once

#include <QWidget>

class MultiLineTextBox;
class QPushButton;

// The information window, which shows the program's readme text.
class Help : public QWidget
{
    Q_OBJECT

public:
    Help();

    void showText(const QString &text);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Command1_Click();

    MultiLineTextBox *Text1;
    QPushButton *Command1;
};
