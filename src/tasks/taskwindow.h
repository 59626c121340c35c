// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "tasks/taskfile.h"

#include <QPointer>
#include <QWidget>

class DirectoryListBox;
class FileListBox;
class MultiLineTextBox;
class QListWidget;
class QPushButton;
class TaskHost;

// The task window: a task, its hint and its conclusion for one module, beside that module's
// window. In pupil mode a task is opened and its hint and conclusion revealed on request; in
// teacher mode the texts are written and saved as a task file. Choosing another module in its
// list swaps the module window shown.
class TaskWindow : public QWidget
{
    Q_OBJECT

public:
    enum class Mode
    {
        Pupil,
        Teacher
    };

    // The module list holds the titles in the order of the start window's list; startListIndex
    // is the module chosen there, the module the task window stands beside from the start.
    TaskWindow(TaskHost &host, const QStringList &moduleTitles, int startListIndex);

    // Opens the window in a mode beside the module at a list index: the module window is shown
    // and the module selected in the list. The texts are emptied without a question: ask
    // mayDiscardTexts() first.
    void open(Mode mode, int moduleIndex);

    // Asks before texts that the teacher edited and did not save are lost; true when they may go.
    bool mayDiscardTexts();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void setMode(Mode mode);
    void switchModule();
    void showTaskFiles();
    void enterDirectory(const QString &path);
    void listDirectory();
    void reportUnreadableDirectory(const QString &path);
    void openTask();
    void save();
    void end();
    void read(tasks::Reader reader);
    void setBoxes(const tasks::BoxTexts &texts);
    void emptyBoxes();
    void warn(const QString &text);
    void showBeside(int moduleIndex);
    void placeBesideModuleWindow();
    QSize expectedFrameSize() const;

    TaskHost &m_host;
    Mode m_mode = Mode::Pupil;
    // The list index of the module window this window showed last; -1 for none.
    int m_shownModule = -1;
    // That module window, which this window stands beside and follows.
    QPointer<QWidget> m_moduleWindow;
    // Set from the moment this window is shown until its frame is on the screen.
    bool m_placeWhenFramed = false;
    // Whether the teacher changed the texts since they were last opened, saved or emptied.
    bool m_textsEdited = false;
    // Set while the window itself writes the boxes, which is no edit.
    bool m_writingBoxes = false;

    QPushButton *m_hintButton;
    QPushButton *m_saveButton;
    QPushButton *m_conclusionButton;
    QListWidget *m_modules;
    DirectoryListBox *m_directories;
    FileListBox *m_files;
    MultiLineTextBox *m_taskBox;
    MultiLineTextBox *m_hintBox;
    MultiLineTextBox *m_conclusionBox;
};
