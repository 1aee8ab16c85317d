// Answers "--help" and "--version" with QCommandLineParser, without a
// window and without needing a display.

#include "app/CommandLine.h"

#include "app/ApplicationIdentity.h"
#include "app/CommandLineText.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstring>

namespace {

// The options of QCommandLineParser's help and version options (on Linux,
// without the "-?" it adds on Windows only).
bool AsksForHelpOrVersion(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (std::strcmp(argument, "--") == 0)
            return false;
        for (const char* option : {"-h", "--help", "--help-all", "-v", "--version"})
            if (std::strcmp(argument, option) == 0)
                return true;
    }
    return false;
}

} // namespace

std::optional<int> AnswerCommandLine(int argc, char** argv)
{
    if (!AsksForHelpOrVersion(argc, argv))
        return std::nullopt;
    // The platform that draws off screen stands in for the display, which
    // the answer does not need. The application object is still the GUI
    // one: it takes Qt's own options off the command line before the
    // parser sees it, and --help-all lists them.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QString::fromLatin1(ApplicationVersion()));
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(ProgramDescription()));
    parser.addHelpOption();
    parser.addVersionOption();
    // Prints the help or the version and ends the program with status 0,
    // or names an unknown option and ends it with status 1, as every program
    // built on Qt does.
    parser.process(app);
    return std::nullopt; // not reached: one of the options above was given
}
