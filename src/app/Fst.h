#pragma once

#include <QWidget>

class Application;
class QListWidget;
class QPushButton;

// The start window: the list of modules and the ways into them.
class Fst : public QWidget
{
    Q_OBJECT

public:
    explicit Fst(Application &application);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Form_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    bool moduleChosen() const;
    void toonprog();

    Application &m_application;

    QListWidget *List1;
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3;
    QPushButton *Command4;
    QPushButton *Command5;
};
