// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

// Resident memory of the program before and after 2,000 plots in a row in the quadratic
// function's window, as a user pressing "&Plot" again and again would make them. Run it as
//   QT_QPA_PLATFORM=offscreen build/bench/quillor-plot-memory
#include "app/application.h"
#include "app/dialogprompts.h"
#include "core/randomsource.h"
#include "kit/modulewindow.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>

#include <cstdio>
#include <unistd.h>

namespace {

double residentMegabytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / 1e6 : 0;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    DialogPrompts prompts;
    StandardRandomSource random;
    Application quillor(prompts, random);
    quillor.start();
    ModuleWindow *window = quillor.moduleWindow(0);
    window->show();
    auto *plot = window->findChild<QPushButton *>(QStringLiteral("Command1"));
    QApplication::processEvents();

    const double before = residentMegabytes();
    constexpr int plots = 2000;
    for (int i = 0; i < plots; ++i) {
        plot->click();
        QApplication::processEvents();
    }
    const double after = residentMegabytes();
    std::printf("resident memory: %.1f MB before, %.1f MB after %d plots\n", before, after, plots);
    return 0;
}
