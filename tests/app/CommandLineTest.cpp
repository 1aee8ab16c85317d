// The command line: which answer it asks for and the texts of the answers,
// checked on every platform; and on Linux the built program itself, which
// answers --help and --version and ends by itself on a machine without any
// display: had it made its window, it would wait in its message loop (or,
// on the display it looks for by default, find none and abort).

#include "app/CommandLine.h"

#include <gtest/gtest.h>

// Options are looked for before "--", and the version wins over help, as
// Qt's parser decides.
TEST(CommandLine, RequestFollowsTheOptionsBeforeTheSeparator)
{
    using enum TCommandLineRequest;
    const struct {
        std::vector<std::string> Arguments;
        TCommandLineRequest Request;
    } cases[] = {
        {{}, RunWindow},
        {{"file"}, RunWindow},
        {{"-"}, RunWindow},
        {{"--version"}, Version},
        {{"-v"}, Version},
        {{"--help"}, Help},
        {{"-h"}, Help},
#ifdef _WIN32
        {{"-?"}, Help},
#else
        // Qt's help option has "-?" on Windows only.
        {{"-?"}, OtherOptions},
#endif
        {{"--help-all"}, Help},
        {{"--help", "-v"}, Version},
        {{"--", "--help"}, RunWindow},
        {{"--versions"}, OtherOptions},
    };
    for (const auto& c : cases) {
        std::string line;
        for (const auto& argument : c.Arguments)
            line += argument + " ";
        EXPECT_EQ(ParseCommandLine(c.Arguments), c.Request) << line;
    }
    EXPECT_EQ(VersionText("1.2.3"), "kmity 1.2.3\n");
    EXPECT_NE(HelpText("kmity.exe").find("Usage: kmity.exe [options]\n"), std::string::npos);
}

// Unknown options are named as Qt's parser names them.
TEST(CommandLine, UnknownOptionsAreNamedAsQtNamesThem)
{
    EXPECT_EQ(UnknownOptionsText(UnknownOptions({"--bogus=1", "x", "--", "--late"})), "Unknown option 'bogus'.");
    EXPECT_EQ(UnknownOptionsText(UnknownOptions({"-xh", "--size"})), "Unknown options: x, size.");
    EXPECT_TRUE(UnknownOptions({"-hv", "file"}).empty());
}

#ifndef _WIN32

#include "app/ApplicationIdentity.h"

#include <QProcess>
#include <QProcessEnvironment>

namespace {

struct TProgramRun {
    bool Finished = false;
    QProcess::ExitStatus Status = QProcess::CrashExit;
    int ExitCode = -1;
    QString Out;
    QString Err;
};

TProgramRun RunProgramWithoutDisplay(const QStringList& arguments)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(KMITY_EXECUTABLE), arguments);
    TProgramRun run;
    // Only a guard against a program that never ends.
    run.Finished = program.waitForFinished(30000);
    if (!run.Finished) {
        program.kill();
        program.waitForFinished();
    }
    run.Status = program.exitStatus();
    run.ExitCode = program.exitCode();
    run.Out = QString::fromUtf8(program.readAllStandardOutput());
    run.Err = QString::fromUtf8(program.readAllStandardError());
    return run;
}

} // namespace

TEST(CommandLine, HelpAndVersionAnswerAndEndWithoutADisplay)
{
#ifdef KMITY_EMULATOR
    // Under user-mode emulation the test program cannot start a child
    // process (the arm64 program answers --version there when started by
    // hand); the test runs on every native build.
    GTEST_SKIP() << "no child processes under " << KMITY_EMULATOR;
#endif
    const QString version = QStringLiteral("kmity %1\n").arg(QString::fromLatin1(ApplicationVersion()));
    const struct {
        QStringList Arguments;
        QStringList Printed; // lines the answer must contain
    } cases[] = {
        {{"--version"}, {version}},
        {{"-v"}, {version}},
        {{"--help"}, {"Usage: ", "Kmity složené", "-h, --help", "-v, --version"}},
        {{"-h"}, {"Usage: ", "Kmity složené", "-h, --help", "-v, --version"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Arguments.join(' ').toStdString());
        const TProgramRun run = RunProgramWithoutDisplay(c.Arguments);
        ASSERT_TRUE(run.Finished);
        EXPECT_EQ(run.Status, QProcess::NormalExit) << run.Err.toStdString();
        EXPECT_EQ(run.ExitCode, 0) << run.Err.toStdString();
        for (const QString& text : c.Printed)
            EXPECT_TRUE(run.Out.contains(text)) << run.Out.toStdString();
    }
}

// An option that is neither ours nor Qt's is named with the help after it on
// standard error, and the program ends with status 1 instead of opening its
// window (which, without a display, it could not).
TEST(CommandLine, UnknownOptionIsNamedWithTheUsageAndEndsWithStatusOne)
{
#ifdef KMITY_EMULATOR
    GTEST_SKIP() << "no child processes under " << KMITY_EMULATOR;
#endif
    const TProgramRun run = RunProgramWithoutDisplay({"--bogus"});
    ASSERT_TRUE(run.Finished);
    EXPECT_EQ(run.Status, QProcess::NormalExit) << run.Err.toStdString();
    EXPECT_EQ(run.ExitCode, 1) << run.Err.toStdString();
    EXPECT_TRUE(run.Err.contains("kmity: Unknown option 'bogus'.\n")) << run.Err.toStdString();
    EXPECT_TRUE(run.Err.contains("Usage: ")) << run.Err.toStdString();
    EXPECT_TRUE(run.Err.contains("-h, --help")) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.isEmpty()) << run.Out.toStdString();
}

#endif
