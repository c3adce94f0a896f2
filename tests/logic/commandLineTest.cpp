// Command-line reading: display mode, size and the bad first word, and the
// first words that ask about the program instead of running it.
#include "app/app.h"
#include "arguments.h"

#include <climits>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

DisplayRequest parse(const std::vector<std::string>& words) {
    const Arguments line("kronvale", words);
    return parseCommandLine(line.argc(), line.argv());
}

void expectRequest(const DisplayRequest& got, bool fullscreen, int32_t width, int32_t height,
                   bool bad) {
    EXPECT_EQ(got.fullscreen, fullscreen);
    EXPECT_EQ(got.width, width);
    EXPECT_EQ(got.height, height);
    EXPECT_EQ(got.badFirstArgument, bad);
}

InformationRequest ask(const std::vector<std::string>& words) {
    const Arguments line("kronvale", words);
    return parseInformationRequest(line.argc(), line.argv());
}

} // namespace

TEST(CommandLine, ModesAndSizesFollowTheTable) {
    expectRequest(parse({}), true, 1024, 768, false);
    expectRequest(parse({"fullscreen"}), true, 1024, 768, false);
    expectRequest(parse({"window"}), false, 1024, 768, false);
    expectRequest(parse({"window", "800", "600"}), false, 800, 600, false);
    expectRequest(parse({"fullscreen", "640", "480"}), true, 640, 480, false);
    // The size only with exactly three arguments.
    expectRequest(parse({"window", "800"}), false, 1024, 768, false);
    expectRequest(parse({"fullscreen", "640", "480", "x"}), true, 1024, 768, false);
}

TEST(CommandLine, WordsAreCaseSensitiveAndTheSizeCountsAnyway) {
    expectRequest(parse({"Window"}), true, 1024, 768, true);
    expectRequest(parse({"Window", "800", "600"}), true, 800, 600, true);
    expectRequest(parse({"FULLSCREEN"}), true, 1024, 768, true);
    expectRequest(parse({""}), true, 1024, 768, true);
    expectRequest(parse({"windows"}), true, 1024, 768, true);
}

namespace {

// What the options asked for and the words left, as one line: "12 drift
// 22-7 | window 800 600", or "bad 'VALUE'" for a --night that is no FROM-TO.
std::string optionsOf(const std::vector<std::string>& words) {
    const Arguments line("kronvale", words);
    std::vector<const char*> rest;
    const Options o = takeOptions(line.argc(), line.argv(), rest);
    std::string said = std::string(o.twelveHour ? "12 " : "") + (o.drift ? "drift " : "") +
                       (o.badNight != nullptr ? "bad '" + std::string(o.badNight) + "' "
                        : o.nightFrom != o.nightTo
                            ? std::to_string(o.nightFrom) + "-" + std::to_string(o.nightTo) + " "
                            : "") +
                       "|";
    EXPECT_STREQ(rest.front(), "kronvale");
    EXPECT_EQ(rest.back(), nullptr);
    for (size_t i = 1; i + 1 < rest.size(); ++i) {
        said += std::string(" ") + rest[i];
    }
    return said;
}

} // namespace

TEST(Options, AnywhereOnTheLineAndTakenOutOfIt) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> rows = {
        {{}, "|"},
        {{"window", "800", "600", "--12-hour"}, "12 | window 800 600"},
        {{"--drift", "window", "800", "--night", "22-7", "600"}, "drift 22-7 | window 800 600"},
        {{"--night=07-09", "--12-hour", "--12-hour"}, "12 7-9 |"},
        {{"--night", "0-23", "--help"}, "0-23 | --help"},
        {{"--night", "7-7"}, "|"},
        // Not options: left in place, and read as ever.
        {{"--drifting", "-12-hour", "--Night"}, "| --drifting -12-hour --Night"},
        {{"--night", "24-7"}, "bad '24-7' |"},
        {{"--night", "22-7x", "window"}, "bad '22-7x' | window"},
        {{"--night", "22"}, "bad '22' |"},
        {{"--night", "-7"}, "bad '-7' |"},
        {{"--night", "222-7"}, "bad '222-7' |"},
        {{"--night="}, "bad '' |"},
        {{"window", "--night"}, "bad '' | window"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(optionsOf(row.first), row.second);
    }
}

TEST(ParseDimension, ReadsLikeAtoi) {
    EXPECT_EQ(parseDimension("800"), 800);
    EXPECT_EQ(parseDimension("  42"), 42);
    EXPECT_EQ(parseDimension("\t\n+17"), 17);
    EXPECT_EQ(parseDimension("-5"), -5);
    EXPECT_EQ(parseDimension("640x480"), 640);
    EXPECT_EQ(parseDimension("007"), 7);
    EXPECT_EQ(parseDimension("x640"), 0);
    EXPECT_EQ(parseDimension(""), 0);
    EXPECT_EQ(parseDimension("-"), 0);
    EXPECT_EQ(parseDimension("+-3"), 0);
    EXPECT_EQ(parseDimension(" - 3"), 0);
    EXPECT_EQ(parseDimension("0x20"), 0);
    EXPECT_EQ(parseDimension("1e3"), 1);
    EXPECT_EQ(parseDimension(nullptr), 0);
}

TEST(ParseDimension, ClampsToThe32BitRange) {
    EXPECT_EQ(parseDimension("2147483647"), INT32_MAX);
    EXPECT_EQ(parseDimension("2147483648"), INT32_MAX);
    EXPECT_EQ(parseDimension("99999999999999999999999999"), INT32_MAX);
    EXPECT_EQ(parseDimension("-2147483648"), INT32_MIN);
    EXPECT_EQ(parseDimension("-2147483649"), INT32_MIN);
    EXPECT_EQ(parseDimension("-99999999999999999999999999"), INT32_MIN);
    EXPECT_EQ(parseDimension("00000000000000000000000012"), 12);
}

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
