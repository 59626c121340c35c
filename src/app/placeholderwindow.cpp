#include "app/placeholderwindow.h"

#include "app/controls.h"
#include "app/moduleregistry.h"
#include "app/scalecontrols.h"
#include "canvas/graphcanvas.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

PlaceholderWindow::PlaceholderWindow(ModuleContext &context, const ModuleEntry &entry)
    : ModuleWindow(context, entry)
{
    const int side = int(entry.design.canvasSide);
    const int right = 120 + side + 120;
    placeInTwips(Picture1, {120, 120, side, side});
    Check1 = add<QCheckBox>(this, "Check1", {right, 120, 855, 255}, QStringLiteral("Grid"));
    Text1 = add<QLineEdit>(this, "Text1", {right, 480, 495, 375});
    VScroll1 = add<QScrollBar>(this, "VScroll1", {right + 480, 480, 255, 375});
    Command3 = add<QPushButton>(this, "Command3", {right, 960, 735, 375}, QStringLiteral("&End"));
    new ScaleControls(Picture1, ScaleRule::MinimumPlusNine, Text1, VScroll1, Check1);
    connect(Command3, &QPushButton::clicked, this, &ModuleWindow::End);
    orderTabsByLayout(this);

    Text1->setText(QStringLiteral("9"));
    VScroll1->setMaximum(9);
    VScroll1->setMinimum(1);
}
