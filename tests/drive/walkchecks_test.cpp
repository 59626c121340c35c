// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "walkchecks.h"

#include "testsupport.h"

#include "canvas/operationlog.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>

#include <limits>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace walkchecks;

namespace {

TEST(ShowsInfOrNan, FindsTheWordsInAnyCaseButNotInsideOtherWords)
{
    // clang-format off
    const std::pair<const char *, bool> rows[] = {
        {"-inf", true},
        {" INF", true},
        {"x = Infinity", true},
        {"  2.000     nan  +", true},
        {"1.#INF", true},
        {"nan(ind)", true},
        {"y=NaN", true},
        {"&Info", false},
        {"financial", false},
        {"nanometre", false},
        {"12inf", false},
        {"\xc3\xa9nan", false},
        {" .5", false},
    };
    // clang-format on
    for (const auto &[text, shows] : rows)
        EXPECT_EQ(showsInfOrNan(QString::fromUtf8(text)), shows) << text;
}

TEST(ShowsNegativeZero, FindsANegativeZeroStandingAlone)
{
    // clang-format off
    const std::pair<const char *, bool> rows[] = {
        {"-0", true},
        {"   -0.000   +", true},
        {"x = -0,00", true},
        {"-.0", true},
        {" 0", false},
        {"-0.5", false},
        {"-10", false},
        {"-0.001", false},
        {"10-0", false},
        {"x-0", false},
        {"1e-0", false},
    };
    // clang-format on
    for (const auto &[text, shows] : rows)
        EXPECT_EQ(showsNegativeZero(QString::fromUtf8(text)), shows) << text;
}

TEST(FirstNonFiniteOperation, FindsTheFirstCoordinateOrFontSizeThatIsNotFinite)
{
    constexpr double infinity = std::numeric_limits<double>::infinity();
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    OperationLog log;
    log.add(DrawingOperation::line(0, 0, 6125, 3062.5));
    log.add(DrawingOperation::point(-2000, 8125));
    log.add(DrawingOperation::printedText(10, 20, u"inf"_s)); // a text may say anything
    EXPECT_EQ(firstNonFiniteOperation(log), std::nullopt);

    for (const DrawingOperation &bad :
         {DrawingOperation::line(0, 0, infinity, 0), DrawingOperation::line(0, 0, 0, nan),
          DrawingOperation::point(nan, 0), DrawingOperation::font(infinity),
          DrawingOperation::printedText(0, -infinity, u"x"_s)}) {
        OperationLog withBad = log;
        withBad.add(bad);
        withBad.add(DrawingOperation::point(nan, nan));
        EXPECT_EQ(firstNonFiniteOperation(withBad), 3);
    }
}

// A window with a box, a label and a list, named as the program names its controls.
struct CheckedWindow
{
    CheckedWindow(const QString &windowName)
    {
        window.setObjectName(windowName);
        box->setObjectName(u"Text1"_s);
        label->setObjectName(u"Label1"_s);
        list->setObjectName(u"List1"_s);
    }

    QWidget window;
    QLineEdit *box = new QLineEdit(&window);
    QLabel *label = new QLabel(&window);
    QListWidget *list = new QListWidget(&window);
};

TEST(TextFault, NamesTheControlThatShowsWhatTheProgramWrote)
{
    CheckedWindow fd(u"Fd"_s);
    fd.box->setText(u" 2.5"_s);
    fd.label->setText(u"Scale"_s);
    fd.list->addItems({u"y = x\u00B2"_s, u"y = a(x - p)\u00B2 + q"_s});
    EXPECT_EQ(textFault(fd.window, {}), std::nullopt);

    fd.list->addItem(u"x = -inf"_s);
    EXPECT_EQ(textFault(fd.window, {}), u"Fd.List1 shows \"x = -inf\""_s);
    fd.list->clear();
    fd.label->setText(u"-0"_s);
    EXPECT_EQ(textFault(fd.window, {}), u"Fd.Label1 shows \"-0\""_s);
}

TEST(TextFault, WhatTheUserTypedIsTheUsersOwn)
{
    CheckedWindow ff(u"Ff"_s);
    ff.box->setText(u"nan"_s);
    EXPECT_EQ(textFault(ff.window, {{ff.box, u"nan"_s}}), std::nullopt);

    // The program wrote on after the typed text: only what it wrote counts.
    ff.box->setText(u"-0 1   1\r\n"_s);
    EXPECT_EQ(textFault(ff.window, {{ff.box, u"-0"_s}}), std::nullopt);
    ff.box->setText(u"-0 1   inf\r\n"_s);
    EXPECT_EQ(textFault(ff.window, {{ff.box, u"-0"_s}}), u"Ff.Text1 shows \"-0 1   inf\\r\\n\""_s);
    // The program wrote over it.
    ff.box->setText(u"nan"_s);
    EXPECT_EQ(textFault(ff.window, {{ff.box, u"1e400"_s}}), u"Ff.Text1 shows \"nan\""_s);

    // A task's texts and file names are the user's words, whatever they say.
    CheckedWindow editor(u"editor"_s);
    editor.list->setObjectName(u"File1"_s);
    editor.list->addItem(u"NAN.OP 1"_s);
    EXPECT_EQ(textFault(editor.window, {}), std::nullopt);
}

void writeFile(const QDir &directory, const QString &path, const QByteArray &bytes)
{
    QFile file(directory.filePath(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(DirectorySnapshot, TellsWhatAppearedChangedOrDisappeared)
{
    QTemporaryDir temporary;
    QDir root(temporary.path());
    root.mkpath(u"outside/deeper"_s);
    root.mkdir(u"work"_s);
    writeFile(root, u"outside/deeper/KEPT.OP 1"_s, "kept");
    writeFile(root, u"top.txt"_s, "top");
    const auto now = [&root] { return DirectorySnapshot::take(root.path(), true, {u"work"_s}); };
    const DirectorySnapshot start = now();
    EXPECT_EQ(now().changeSince(start), std::nullopt);

    // What happens inside a skipped directory does not count.
    writeFile(root, u"work/ROOTS.OP 1"_s, "task");
    EXPECT_EQ(now().changeSince(start), std::nullopt);

    writeFile(root, u"outside/deeper/NEW.OP 1"_s, "new");
    EXPECT_TRUE(now().changeSince(start).value_or(QString()).startsWith(
        u"outside/deeper/NEW.OP 1 appea"_s));
    root.remove(u"outside/deeper/NEW.OP 1"_s);

    writeFile(root, u"outside/deeper/KEPT.OP 1"_s, "longer now");
    EXPECT_TRUE(now().changeSince(start).value_or(QString()).startsWith(
        u"outside/deeper/KEPT.OP 1 changed from a file of 4 bytes"_s));

    const DirectorySnapshot changed = now();
    root.remove(u"top.txt"_s);
    EXPECT_EQ(now().changeSince(changed), u"top.txt disappeared"_s);
}

TEST(DirectorySnapshot, MatchingTakesOnlyTheNamedFilesOfTheDirectoryItself)
{
    QTemporaryDir temporary;
    QDir root(temporary.path());
    root.mkdir(u"sub"_s);
    const DirectorySnapshot start = DirectorySnapshot::takeMatching(root.path(), u"*.op*"_s);

    writeFile(root, u"output.txt"_s, "the walk's own output");
    writeFile(root, u"sub/ROOTS.OP 1"_s, "task");
    EXPECT_EQ(DirectorySnapshot::takeMatching(root.path(), u"*.op*"_s).changeSince(start),
              std::nullopt);

    writeFile(root, u"roots.op 3"_s, "task");
    EXPECT_TRUE(DirectorySnapshot::takeMatching(root.path(), u"*.op*"_s).changeSince(start));
}

} // namespace
