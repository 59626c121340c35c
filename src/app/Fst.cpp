#include "app/Fst.h"

#include "app/Help.h"
#include "app/application.h"
#include "app/version.h"
#include "app/installeddata.h"
#include "app/moduleregistry.h"
#include "core/textfile.h"
#include "kit/controls.h"
#include "kit/modulewindow.h"
#include "kit/prompts.h"
#include "tasks/editor.h"

#include <QCloseEvent>
#include <QDir>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

namespace {

const QString identityFile = QStringLiteral("pw.txt");
const QString readmeFile = QStringLiteral("readme.txt");

QString cannotReadMessage(const QString &fileName)
{
    return QStringLiteral("The file %1 cannot be read.").arg(fileName);
}

} // namespace

Fst::Fst(Application &application) : m_application(application)
{
    setObjectName(QStringLiteral("Fst"));
    setWindowTitle(QStringLiteral("Quillor"));
    resizeClientInTwips(this, 4290, 1815);

    List1 = add<QListWidget>(this, "List1", {120, 120, 2415, 1620});
    Command1 = add<QPushButton>(this, "Command1", {2640, 240, 735, 375}, QStringLiteral("&Select"));
    Command5 = add<QPushButton>(this, "Command5", {3480, 240, 735, 375}, QStringLiteral("&Info"));
    Command4 = add<QPushButton>(this, "Command4", {2640, 720, 735, 375}, QStringLiteral("&Task"));
    Command2 = add<QPushButton>(this, "Command2", {3480, 720, 735, 375}, QStringLiteral("&End"));
    Command3 =
        add<QPushButton>(this, "Command3", {2640, 1200, 735, 375}, QStringLiteral("&Editor"));
    orderTabsByLayout(this);

    connect(Command1, &QPushButton::clicked, this, &Fst::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Fst::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Fst::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Fst::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Fst::Command5_Click);

    Form_Load();
}

void Fst::Form_Load()
{
    for (const ModuleEntry &entry : moduleRegistry())
        List1->addItem(entry.listText);
    List1->setCurrentRow(0);
    List1->setFocus();
}

// A click on the window's background, not on a control: the left button let go over it.
void Fst::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Form_Click();
}

void Fst::closeEvent(QCloseEvent *event)
{
    event->accept();
    m_application.end();
}

void Fst::Form_Click()
{
    const QString crlf = QStringLiteral("\r\n");
    const QString text = QStringLiteral("Version ") + QString::fromLatin1(quillorVersion) + QString(7, QLatin1Char(' ')) +
                         QStringLiteral("Made by the Quillor developers") + crlf +
                         QStringLiteral("The Quillor project") + crlf +
                         QStringLiteral("Found at: the Quillor repository, with its README") +
                         crlf +
                         QStringLiteral("Reached through: the issues of the Quillor repository") +
                         crlf + crlf + QStringLiteral("Commentaar en suggesties welkom");
    m_application.prompts().message(this, text);
}

// The list's current row counts only while it is selected: a Ctrl+click can clear the selection
// and leave the current row behind.
bool Fst::moduleChosen() const
{
    const QListWidgetItem *item = List1->currentItem();
    return item && item->isSelected();
}

void Fst::toonprog()
{
    ModuleWindow *window = m_application.moduleWindow(List1->currentRow());
    window->show();
    window->raise();
}

void Fst::Command1_Click()
{
    if (moduleChosen())
        toonprog();
}

void Fst::Command2_Click()
{
    m_application.end();
}

// The pupil's way to a task: the chosen module beside the task window, without the editor's
// buttons.
void Fst::Command4_Click()
{
    if (!moduleChosen())
        return;
    hide();
    editor *taskWindow = m_application.taskWindow(List1->currentRow());
    taskWindow->setMode(editor::Mode::Pupil);
    toonprog();
    taskWindow->selectModule(List1->currentRow());
    taskWindow->show();
    taskWindow->raise();
}

// The teacher's way, behind the identity kept as the last line of pw.txt.
void Fst::Command3_Click()
{
    const QString identity =
        m_application.prompts().input(this, QStringLiteral("Identity:")).value_or(QString());
    const std::optional<QStringList> lines = readTextLines(QDir::current().filePath(identityFile));
    if (!lines) {
        m_application.prompts().message(this, cannotReadMessage(identityFile));
        return;
    }
    // A file without any line grants nothing.
    if (lines->isEmpty() || identity != lines->last()) {
        m_application.prompts().message(this, QStringLiteral("No access"));
        return;
    }
    if (!moduleChosen())
        return;
    hide();
    editor *taskWindow = m_application.taskWindow(List1->currentRow());
    taskWindow->setMode(editor::Mode::Teacher);
    toonprog();
    taskWindow->selectModule(List1->currentRow());
    taskWindow->show();
    taskWindow->raise();
}

// The readme of the working directory, else the one installed with the program: started from a
// desktop menu, the program runs in the home folder.
void Fst::Command5_Click()
{
    const std::optional<QStringList> lines =
        readTextLines(shippedFilePath(readmeFile, QDir::current(), installedDataDirectory()));
    if (!lines) {
        m_application.prompts().message(this, cannotReadMessage(readmeFile));
        return;
    }
    QString text;
    for (const QString &line : *lines)
        text += line + QStringLiteral("\r\n");
    Help *help = m_application.helpWindow();
    help->showText(text);
    help->show();
    help->raise();
}
