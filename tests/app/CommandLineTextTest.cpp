// Which answer a command line asks for: options are looked for before "--",
// and the version wins over help, as on Linux.

#include "app/CommandLineText.h"

#include <gtest/gtest.h>

TEST(CommandLineText, RequestFollowsTheOptionsBeforeTheSeparator)
{
    using enum ECommandLineRequest;
    const struct {
        std::vector<std::string> Arguments;
        ECommandLineRequest Request;
    } cases[] = {
        {{}, None},
        {{"file"}, None},
        {{"--version"}, Version},
        {{"-v"}, Version},
        {{"--help"}, Help},
        {{"-h"}, Help},
        {{"-?"}, Help},
        {{"--help-all"}, Help},
        {{"--help", "-v"}, Version},
        {{"--", "--help"}, None},
        {{"--versions"}, None},
    };
    for (const auto& c : cases) {
        std::string line;
        for (const auto& argument : c.Arguments)
            line += argument + " ";
        EXPECT_EQ(CommandLineRequest(c.Arguments), c.Request) << line;
    }
    EXPECT_EQ(VersionText("1.2.3"), "kmity 1.2.3\n");
    EXPECT_NE(HelpText("kmity.exe").find("Usage: kmity.exe [options]\n"), std::string::npos);
}
