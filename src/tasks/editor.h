#pragma once

#include "tasks/taskfile.h"

#include <QWidget>

class Application;
class DirectoryListBox;
class FileListBox;
class MultiLineTextBox;
class QGroupBox;
class QListWidget;
class QPushButton;

// The task window: a task, its hint and its conclusion for one module, beside that module's
// window. In pupil mode a task is opened and its hint and conclusion revealed on request; in
// teacher mode the texts are written and saved as a task file. Choosing another module in its
// list swaps the module window shown.
class editor : public QWidget
{
    Q_OBJECT

public:
    enum class Mode
    {
        Pupil,
        Teacher
    };

    // startListIndex is the module chosen in the start window, the module the task window
    // stands beside from the start.
    editor(Application &application, int startListIndex);

    // Shows the mode's buttons: "&Hint" and "&Conclus" for the pupil, "&Save" for the teacher.
    void setMode(Mode mode);

    // Selects a module in the list as a click on it would, and so runs List1_Click.
    void selectModule(int index);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load(int startListIndex);
    void bestandselec();
    void Dir1_Change();
    void List1_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();

    bool teacherMode() const;
    void enterDirectory(const QString &path);
    void reportUnreadableDirectory(const QString &path);
    void read(tasks::Reader reader);
    void setBoxes(const tasks::BoxTexts &texts);
    void emptyBoxes();
    bool mayDiscardTexts();
    void message(const QString &text);
    void placeUnderShownModule();

    Application &m_application;
    // The list index of the module window this window showed last; -1 for none.
    int m_shownModule = -1;
    // Whether the teacher changed the texts since they were last opened, saved or emptied.
    bool m_textsEdited = false;
    // Set while the window itself writes the boxes, which is no edit.
    bool m_writingBoxes = false;
    // Whether the window has been given its first place on the screen.
    bool m_placed = false;

    QPushButton *Command1;
    QPushButton *Command4;
    QPushButton *Command2;
    QPushButton *Command5;
    QPushButton *Command3;
    QListWidget *List1;
    DirectoryListBox *Dir1;
    FileListBox *File1;
    QGroupBox *Frame1;
    MultiLineTextBox *Opgave;
    QGroupBox *Frame2;
    MultiLineTextBox *Hint;
    QGroupBox *Frame3;
    MultiLineTextBox *Besluit;
};
