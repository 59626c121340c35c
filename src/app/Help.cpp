#include "app/Help.h"

#include "kit/controls.h"
#include "kit/multilinetextbox.h"

#include <QCloseEvent>
#include <QPushButton>

Help::Help()
{
    setObjectName(QStringLiteral("Help"));
    setWindowTitle(QStringLiteral("Information"));
    resizeClientInTwips(this, 7785, 6450);

    Text1 = add<MultiLineTextBox>(this, "Text1", {120, 120, 7575, 5520});
    QFont serif(QStringLiteral("Times New Roman"));
    serif.setStyleHint(QFont::Serif);
    Text1->setFont(serif);
    Command1 = add<QPushButton>(this, "Command1", {3480, 5760, 855, 495}, QStringLiteral("&Shut"));
    connect(Command1, &QPushButton::clicked, this, &Help::Command1_Click);
}

void Help::showText(const QString &text)
{
    Text1->setText(text);
}

void Help::closeEvent(QCloseEvent *event)
{
    event->ignore();
    Command1_Click();
}

void Help::Command1_Click()
{
    hide();
}
