// Answers the command line with QCommandLineParser, without a window and
// without needing a display.

#include "app/CommandLine.h"

#include "app/ApplicationIdentity.h"

#include <QApplication>
#include <QByteArray>
#include <QCommandLineParser>

#include <cstdio>
#include <vector>

namespace {

// Sets an environment variable for the lifetime of the object and restores
// it after, so that a window started afterwards finds the display again.
class TEnvironmentScope {
public:
    TEnvironmentScope(const char* name, const QByteArray& value)
        : FName(name), FWasSet(qEnvironmentVariableIsSet(name)), FOld(qgetenv(name))
    {
        qputenv(FName, value);
    }
    ~TEnvironmentScope()
    {
        if (FWasSet)
            qputenv(FName, FOld);
        else
            qunsetenv(FName);
    }
    TEnvironmentScope(const TEnvironmentScope&) = delete;
    TEnvironmentScope& operator=(const TEnvironmentScope&) = delete;

private:
    const char* FName;
    bool FWasSet;
    QByteArray FOld;
};

void SetUpParser(QCommandLineParser& parser)
{
    QCoreApplication::setApplicationVersion(QString::fromLatin1(ApplicationVersion()));
    parser.setApplicationDescription(QString::fromUtf8(CommandLineDescription()));
    parser.addHelpOption();
    parser.addVersionOption();
}

// Options that are none of ours: the application object takes Qt's own off
// a copy of the command line (the real one keeps them for the window), and
// whatever option is left is unknown.
std::optional<int> RejectUnknownOptions(int argc, char** argv)
{
    std::vector<char*> arguments(argv, argv + argc);
    arguments.push_back(nullptr);
    int count = argc;
    const TEnvironmentScope offscreen("QT_QPA_PLATFORM", "offscreen");
    QApplication app(count, arguments.data());
    QCommandLineParser parser;
    SetUpParser(parser);
    if (parser.parse(QCoreApplication::arguments()))
        return std::nullopt;
    // As QCommandLineParser::process names an error, with the help after it.
    const QString message =
        QCoreApplication::applicationName() + QStringLiteral(": ") + parser.errorText() + u'\n' + parser.helpText();
    std::fputs(message.toLocal8Bit().constData(), stderr);
    return 1;
}

} // namespace

std::optional<int> AnswerCommandLine(int argc, char** argv)
{
    switch (ParseCommandLine(argc, argv)) {
    case TCommandLineRequest::RunWindow:
        return std::nullopt;
    case TCommandLineRequest::OtherOptions:
        return RejectUnknownOptions(argc, argv);
    case TCommandLineRequest::Help:
    case TCommandLineRequest::Version:
        break;
    }
    // The platform that draws off screen stands in for the display, which
    // the answer does not need. The application object is still the GUI
    // one: it takes Qt's own options off the command line before the
    // parser sees it, and --help-all lists them.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    SetUpParser(parser);
    // Prints the help or the version and ends the program with status 0,
    // as every program built on Qt does.
    parser.process(app);
    return std::nullopt; // not reached: one of the options above was given
}
