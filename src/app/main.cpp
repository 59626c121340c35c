#include "app/application.h"
#include "app/dialogprompts.h"
#include "core/randomsource.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    DialogPrompts prompts;
    StandardRandomSource random;
    Application quillor(prompts, random);
    quillor.start();
    return app.exec();
}
