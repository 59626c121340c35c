#include "app/placeholderwindow.h"

#include "app/controls.h"
#include "app/moduleregistry.h"
#include "canvas/graphcanvas.h"
#include "canvas/placement.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

PlaceholderWindow::PlaceholderWindow(ModuleContext &context, const ModuleEntry &entry)
    : ModuleWindow(context, entry.windowName, entry.caption, entry.design,
                   ScaleRule::MinimumPlusNine)
{
    const int right = 120 + int(entry.design.canvasSide) + 120;
    placeInTwips(Picture1, 120, 120, int(entry.design.canvasSide), int(entry.design.canvasSide));
    placeInTwips(Check1, right, 120, 855, 255);
    placeInTwips(Text1, right, 480, 495, 375);
    placeInTwips(VScroll1, right + 480, 480, 255, 375);

    QPushButton *end = makeButton(this, "Command3", QStringLiteral("&End"));
    placeInTwips(end, right, 960, 735, 375);
    connect(end, &QPushButton::clicked, this, &ModuleWindow::End);

    Text1->setText(QStringLiteral("9"));
    VScroll1->setMaximum(9);
    VScroll1->setMinimum(1);
}
