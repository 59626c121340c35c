#include "app/Help.h"

#include "app/multilinetextbox.h"
#include "canvas/placement.h"

#include <QCloseEvent>
#include <QPushButton>

Help::Help()
    : Text1(new MultiLineTextBox(this)), Command1(new QPushButton(QStringLiteral("&Shut"), this))
{
    setObjectName(QStringLiteral("Help"));
    setWindowTitle(QStringLiteral("Information"));
    resizeClientInTwips(this, 7785, 6450);

    Text1->setObjectName(QStringLiteral("Text1"));
    QFont serif(QStringLiteral("Times New Roman"));
    serif.setStyleHint(QFont::Serif);
    Text1->setFont(serif);
    placeInTwips(Text1, 120, 120, 7575, 5520);

    Command1->setObjectName(QStringLiteral("Command1"));
    placeInTwips(Command1, 3480, 5760, 855, 495);
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
