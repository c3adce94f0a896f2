// Command-line reading: display mode, size and the bad first word, and the
// first words that ask about the program instead of running it.
#include "app/app.h"
#include "arguments.h"

#include <climits>
#include <gtest/gtest.h>
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

TEST(Options, AnywhereOnTheLineAndTakenOutOfIt) {
    struct Row {
        std::vector<std::string> words;
        bool twelve, drift;
        int from, to;
        const char* bad; // the value said to be no FROM-TO
        std::vector<std::string> rest;
    };
    const std::vector<Row> rows = {
        {{}, false, false, 0, 0, nullptr, {}},
        {{"window", "800", "600", "--12-hour"},
         true,
         false,
         0,
         0,
         nullptr,
         {"window", "800", "600"}},
        {{"--drift", "window", "800", "--night", "22-7", "600"},
         false,
         true,
         22,
         7,
         nullptr,
         {"window", "800", "600"}},
        {{"--night=07-09", "--12-hour", "--12-hour"}, true, false, 7, 9, nullptr, {}},
        {{"--night", "0-23", "--help"}, false, false, 0, 23, nullptr, {"--help"}},
        // Not an option: left in place, and read as ever.
        {{"--drifting", "-12-hour", "--Night"},
         false,
         false,
         0,
         0,
         nullptr,
         {"--drifting", "-12-hour", "--Night"}},
        {{"--night", "24-7"}, false, false, 0, 0, "24-7", {}},
        {{"--night", "22-7x"}, false, false, 0, 0, "22-7x", {}},
        {{"--night", "22"}, false, false, 0, 0, "22", {}},
        {{"--night", "-7"}, false, false, 0, 0, "-7", {}},
        {{"--night", "222-7"}, false, false, 0, 0, "222-7", {}},
        {{"--night", " 2-7"}, false, false, 0, 0, " 2-7", {}},
        {{"--night="}, false, false, 0, 0, "", {}},
        {{"window", "--night"}, false, false, 0, 0, "", {"window"}},
    };
    for (const Row& row : rows) {
        const Arguments line("kronvale", row.words);
        std::vector<const char*> rest;
        const Options options = takeOptions(line.argc(), line.argv(), rest);
        const std::string said = row.words.empty() ? "(none)" : row.words[0];
        EXPECT_EQ(options.twelveHour, row.twelve) << said;
        EXPECT_EQ(options.drift, row.drift) << said;
        EXPECT_EQ(options.nightFrom, row.from) << said;
        EXPECT_EQ(options.nightTo, row.to) << said;
        EXPECT_EQ(options.badNight == nullptr ? "(well)" : std::string(options.badNight),
                  row.bad == nullptr ? "(well)" : std::string(row.bad))
            << said;
        ASSERT_EQ(rest.size(), row.rest.size() + 2) << said;
        EXPECT_STREQ(rest.front(), "kronvale");
        EXPECT_EQ(rest.back(), nullptr);
        for (size_t i = 0; i < row.rest.size(); ++i) {
            EXPECT_EQ(rest[i + 1], row.rest[i]) << said;
        }
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
