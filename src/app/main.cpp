#include "app/application.h"
#include "app/dialogprompts.h"
#include "app/version.h"
#include "core/randomsource.h"

#include <QApplication>

#include <cstdio>
#include <optional>
#include <string_view>

namespace {

// An argument the program does not know: it says so and opens no window.
constexpr int unknownArgument = 2;

constexpr char helpText[] =
    "Usage: quillor [--help] [--version]\n"
    "\n"
    "Quillor, mathematics for secondary-school pupils and their teachers: functions and\n"
    "chance, with sliders and graphs, in eight modules that its start window opens.\n"
    "\n"
    "  -h, --help     Show this help and end.\n"
    "  -v, --version  Show the version and end.\n"
    "\n"
    "Files, looked up in the folder Quillor is started in:\n"
    "  readme.txt  the text that \"Info\" shows; when the folder has none, the copy\n"
    "              installed with Quillor (share/quillor) is shown.\n"
    "  pw.txt      the teacher's identity for \"Editor\", its last line that is not\n"
    "              empty; read from this folder only.\n"
    "\n"
    "See the manual page quillor(1).\n";

// --help and --version are answered before the window system starts, so they work without a
// display. Returns the exit status when the program has answered.
std::optional<int> answerInformationRequest(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            std::fputs(helpText, stdout);
            return 0;
        }
        if (argument == "--version" || argument == "-v") {
            std::printf("quillor %s\n", quillorVersion);
            return 0;
        }
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char **argv)
{
    if (const std::optional<int> status = answerInformationRequest(argc, argv))
        return *status;

    // QApplication takes away the arguments that are Qt's own (-platform, -style ...); anything
    // left is a mistake the user should hear about.
    QApplication app(argc, argv);
    if (argc > 1) {
        std::fprintf(stderr, "quillor: unknown argument \"%s\"\nTry \"quillor --help\".\n",
                     argv[1]);
        return unknownArgument;
    }

    DialogPrompts prompts;
    StandardRandomSource random;
    Application quillor(prompts, random);
    quillor.start();
    return app.exec();
}
