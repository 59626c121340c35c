#include "app/application.h"
#include "app/dialogprompts.h"
#include "app/interfacefont.h"
#include "core/randomsource.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    applyInterfaceFont();
    DialogPrompts prompts;
    StandardRandomSource random;
    Application quillor(prompts, random);
    quillor.start();
    return app.exec();
}
