#pragma once

#include <QWidget>

class Application;
class QListWidget;

// The start window: the list of modules and the ways into them.
class StartWindow : public QWidget
{
    Q_OBJECT

public:
    explicit StartWindow(Application &application);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void showProgramInfo();
    bool moduleChosen() const;
    void showChosenModule();
    void openTaskForPupil();
    void openTaskForTeacher();
    void showReadme();

    Application &m_application;
    QListWidget *m_modules;
};
