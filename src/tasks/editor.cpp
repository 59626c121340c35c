#include "tasks/editor.h"

#include "app/application.h"
#include "app/moduleregistry.h"
#include "core/textfile.h"
#include "kit/controls.h"
#include "kit/modulewindow.h"
#include "kit/multilinetextbox.h"
#include "kit/prompts.h"
#include "tasks/directorylistbox.h"
#include "tasks/filelistbox.h"
#include "tasks/taskfilename.h"

#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

using namespace tasks;

namespace {

const QString caption = QStringLiteral("Task-editor");
const QString noFileSelected = QStringLiteral("There is no file selected");

bool isModuleIndex(int index)
{
    return index >= 0 && index < moduleCount;
}

QString boxName(Section section)
{
    switch (section) {
    case Section::Task:
        return QStringLiteral("Task");
    case Section::Hint:
        return QStringLiteral("Hint");
    case Section::Conclusion:
        return QStringLiteral("Conclusion");
    }
    return {};
}

// Each character as itself and by its code, since some cannot be seen: "√ (U+221A)".
QString characterList(const QString &characters)
{
    QStringList named;
    for (const char32_t codePoint : characters.toUcs4())
        named.append(
            QStringLiteral("%1 (U+%2)")
                .arg(QString::fromUcs4(&codePoint, 1), QString::number(uint(codePoint), 16)
                                                           .toUpper()
                                                           .rightJustified(4, QLatin1Char('0'))));
    return named.join(QStringLiteral(", "));
}

QString refusalMessage(const Refusal &refusal)
{
    switch (refusal.reason) {
    case Refusal::Reason::SeparatorLine:
        return QStringLiteral(
                   "The %1 box has a line that holds only \"$\". A task file cannot keep "
                   "it: it would split the text when the file is read. Nothing has "
                   "been saved.")
            .arg(boxName(refusal.section));
    case Refusal::Reason::UnencodableCharacters:
        return QStringLiteral("A task file cannot hold %1 %2. Nothing has been saved.")
            .arg(refusal.characters.toUcs4().size() == 1 ? QStringLiteral("the character")
                                                         : QStringLiteral("the characters"),
                 characterList(refusal.characters));
    }
    return {};
}

} // namespace

editor::editor(Application &application, int startListIndex) : m_application(application)
{
    setObjectName(QStringLiteral("editor"));
    resizeClientInTwips(this, 11880, 1905);

    Command1 = add<QPushButton>(this, "Command1", {120, 0, 735, 375}, QStringLiteral("&Open"));
    Command4 = add<QPushButton>(this, "Command4", {120, 480, 735, 375}, QStringLiteral("&Hint"));
    Command2 = add<QPushButton>(this, "Command2", {120, 720, 735, 375}, QStringLiteral("&Save"));
    Command5 = add<QPushButton>(this, "Command5", {120, 960, 735, 375}, QStringLiteral("&Conclus"));
    Command3 = add<QPushButton>(this, "Command3", {120, 1440, 735, 375}, QStringLiteral("&End"));
    List1 = add<QListWidget>(this, "List1", {960, 0, 1815, 645});
    Dir1 = add<DirectoryListBox>(this, "Dir1", {960, 720, 1815, 540});
    File1 = add<FileListBox>(this, "File1", {960, 1320, 1815, 480});
    Frame1 = add<QGroupBox>(this, "Frame1", {2880, 0, 2895, 1815}, QStringLiteral("Task"));
    Opgave = add<MultiLineTextBox>(Frame1, "Opgave", {120, 240, 2655, 1455});
    Frame2 = add<QGroupBox>(this, "Frame2", {5880, 0, 2895, 1815}, QStringLiteral("Hint"));
    Hint = add<MultiLineTextBox>(Frame2, "Hint", {120, 240, 2655, 1455});
    Frame3 = add<QGroupBox>(this, "Frame3", {8880, 0, 2895, 1815}, QStringLiteral("Conclusion"));
    Besluit = add<MultiLineTextBox>(Frame3, "Besluit", {120, 240, 2655, 1455});
    // The lists are narrow: a long entry is cut off rather than given a scroll bar.
    for (QListWidget *list :
         {List1, static_cast<QListWidget *>(Dir1), static_cast<QListWidget *>(File1)})
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (MultiLineTextBox *box : {Opgave, Hint, Besluit}) {
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        connect(box, &MultiLineTextBox::textChanged, this, [this] {
            if (!m_writingBoxes && teacherMode())
                m_textsEdited = true;
        });
    }
    orderTabsByLayout(this);

    connect(Command1, &QPushButton::clicked, this, &editor::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &editor::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &editor::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &editor::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &editor::Command5_Click);
    connect(List1, &QListWidget::currentRowChanged, this, &editor::List1_Click);
    connect(Dir1, &DirectoryListBox::entered, this, &editor::enterDirectory);

    Form_Load(startListIndex);
}

void editor::Form_Load(int startListIndex)
{
    {
        const QSignalBlocker loading(List1);
        for (const ModuleEntry &entry : moduleRegistry())
            List1->addItem(entry.listText);
    }
    Dir1->setDirectory(QDir::currentPath());
    File1->setDirectory(Dir1->directory());
    setWindowTitle(caption);
    m_shownModule = startListIndex;
    bestandselec();
}

void editor::setMode(Mode mode)
{
    Command2->setVisible(mode == Mode::Teacher);
    Command4->setVisible(mode == Mode::Pupil);
    Command5->setVisible(mode == Mode::Pupil);
}

// The mode is the button set shown: "&Save" belongs to the teacher.
bool editor::teacherMode() const
{
    return !Command2->isHidden();
}

void editor::selectModule(int index)
{
    {
        const QSignalBlocker selecting(List1);
        List1->setCurrentRow(index);
    }
    List1_Click();
}

void editor::bestandselec()
{
    if (!File1->setPattern(taskFilePattern(List1->currentRow() + 1)))
        reportUnreadableDirectory(File1->directory());
}

// A directory that cannot be listed is not entered: the lists stay as they were.
void editor::enterDirectory(const QString &path)
{
    if (!isListableDirectory(path)) {
        reportUnreadableDirectory(path);
        return;
    }
    Dir1->setDirectory(path);
    Dir1_Change();
}

void editor::Dir1_Change()
{
    if (!File1->setDirectory(Dir1->directory()))
        reportUnreadableDirectory(Dir1->directory());
}

void editor::reportUnreadableDirectory(const QString &path)
{
    message(
        QStringLiteral("The directory \"%1\" cannot be read.").arg(QDir::toNativeSeparators(path)));
}

void editor::List1_Click()
{
    const int n = List1->currentRow();
    if (!mayDiscardTexts()) {
        const QSignalBlocker goingBack(List1);
        List1->setCurrentRow(m_shownModule);
        return;
    }
    if (n != m_shownModule) {
        if (isModuleIndex(m_shownModule)) {
            if (QWidget *shown =
                    m_application.existingWindow(moduleRegistry()[m_shownModule].windowName))
                shown->hide();
        }
        if (isModuleIndex(n)) {
            ModuleWindow *window = m_application.moduleWindow(n);
            window->show();
            window->raise();
        }
        m_shownModule = n;
    }
    emptyBoxes();
    bestandselec();
}

void editor::Command1_Click()
{
    read(teacherMode() ? Reader::Teacher : Reader::Pupil);
}

void editor::Command4_Click()
{
    read(Reader::Hint);
}

void editor::Command5_Click()
{
    read(Reader::Conclusion);
}

void editor::Command2_Click()
{
    const int moduleNumber = List1->currentRow() + 1;
    const QString title = List1->currentItem() ? List1->currentItem()->text() : caption;
    const std::optional<QString> name =
        m_application.prompts().input(this, QStringLiteral("Save as"), title);
    if (!name)
        return;
    if (!isUsableTaskName(*name)) {
        message(QStringLiteral("The name \"%1\" holds a / or a \\, which a task's name cannot "
                               "hold. Nothing has been saved.")
                    .arg(*name));
        return;
    }
    const std::variant<QByteArray, Refusal> encoded =
        encodeTask({Opgave->text(), Hint->text(), Besluit->text()});
    if (const auto *refusal = std::get_if<Refusal>(&encoded)) {
        message(refusalMessage(*refusal));
        return;
    }
    const QString fileName = taskFileName(*name, moduleNumber);
    const std::optional<QString> failure =
        saveFile(QDir(File1->directory()).filePath(fileName), std::get<QByteArray>(encoded));
    if (failure) {
        message(QStringLiteral("The task file \"%1\" cannot be saved (%2). Nothing has been "
                               "written: a file of that name stays as it was.")
                    .arg(fileName, *failure));
        return;
    }
    m_textsEdited = false;
    File1->refresh();
}

void editor::Command3_Click()
{
    if (!mayDiscardTexts())
        return;
    emptyBoxes();
    hide();
    m_application.showStartWindow();
}

// The first time it is shown, the window finds its place under the module window it belongs to;
// from then on it stays where the user puts it.
void editor::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_placed) {
        m_placed = true;
        placeUnderShownModule();
    }
}

// Under the module window, as far as the screen allows.
void editor::placeUnderShownModule()
{
    if (!isModuleIndex(m_shownModule))
        return;
    const QWidget *module =
        m_application.existingWindow(moduleRegistry()[m_shownModule].windowName);
    if (!module)
        return;
    QPoint place = module->frameGeometry().bottomLeft() + QPoint(0, 1);
    if (const QScreen *screen = module->screen()) {
        const QRect available = screen->availableGeometry();
        const QSize size = frameGeometry().size();
        place.setY(std::min(place.y(), available.bottom() + 1 - size.height()));
        place.setX(std::clamp(place.x(), available.left(),
                              std::max(available.left(), available.right() + 1 - size.width())));
    }
    move(place);
}

// The window system's close control acts as "&End".
void editor::closeEvent(QCloseEvent *event)
{
    event->ignore();
    Command3_Click();
}

void editor::read(Reader reader)
{
    const QString fileName = File1->fileName();
    if (fileName.isEmpty()) {
        message(noFileSelected);
        return;
    }
    const std::optional<QStringList> lines =
        readTextLines(QDir(File1->directory()).filePath(fileName));
    if (!lines) {
        message(QStringLiteral("The task file \"%1\" cannot be read.").arg(fileName));
        return;
    }
    setBoxes(readTask(reader, *lines));
    m_textsEdited = false;
}

void editor::setBoxes(const BoxTexts &texts)
{
    m_writingBoxes = true;
    const std::pair<MultiLineTextBox *, const std::optional<QString> &> boxes[] = {
        {Opgave, texts.task}, {Hint, texts.hint}, {Besluit, texts.conclusion}};
    for (const auto &[box, text] : boxes) {
        if (text)
            box->setText(*text);
    }
    m_writingBoxes = false;
}

void editor::emptyBoxes()
{
    setBoxes({QString(), QString(), QString()});
    m_textsEdited = false;
}

// Asks before texts that the teacher changed and did not save are thrown away; true when they
// may go. Texts changed in pupil mode are nobody's work to keep.
bool editor::mayDiscardTexts()
{
    if (!teacherMode() || !m_textsEdited)
        return true;
    return m_application.prompts().question(
        this, QStringLiteral("The texts of this task have been changed and not saved. Do you "
                             "want to throw the changes away?"));
}

void editor::message(const QString &text)
{
    m_application.prompts().message(this, text);
}
