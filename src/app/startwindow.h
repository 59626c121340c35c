// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "tasks/taskwindow.h"

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
    void openTaskWindow(TaskWindow::Mode mode);
    void openTaskForTeacher();
    void showReadme();
    static QString cannotReadMessage(const QString &fileName);
    void endProgram();

    Application &m_application;
    QListWidget *m_modules;
};
