// First words that ask about the program instead of running it.
#include "app/app.h"
#include "arguments.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

InformationRequest ask(const std::vector<std::string>& words) {
    const Arguments line("kronvale", words);
    return parseInformationRequest(line.argc(), line.argv());
}

} // namespace

TEST(InformationRequest, TheFirstWordAsksForTheUsageOrTheVersion) {
    EXPECT_EQ(ask({"--help"}), InformationRequest::Usage);
    EXPECT_EQ(ask({"-h"}), InformationRequest::Usage);
    EXPECT_EQ(ask({"--version"}), InformationRequest::Version);
    // Whatever follows it.
    EXPECT_EQ(ask({"--help", "window", "800", "600"}), InformationRequest::Usage);
    EXPECT_EQ(ask({"--version", "--help"}), InformationRequest::Version);
}

TEST(InformationRequest, AnythingElseRunsTheClock) {
    const std::vector<std::vector<std::string>> others = {{},
                                                          {"window"},
                                                          {"fullscreen", "--help"},
                                                          {"window", "-h", "600"},
                                                          {"--HELP"},
                                                          {"-help"},
                                                          {"--h"},
                                                          {"-H"},
                                                          {"help"},
                                                          {"--version="},
                                                          {"-v"},
                                                          {""}};
    for (const auto& args : others) {
        EXPECT_EQ(ask(args), InformationRequest::None) << (args.empty() ? "(none)" : args[0]);
    }
}
