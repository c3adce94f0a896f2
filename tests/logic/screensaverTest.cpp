// Kronvale as a Windows screensaver: the command lines Windows gives it, and
// which input ends it or is kept from the camera.
#include "screensaver/screensaver.h"

#include "app/app.h"
#include "arguments.h"
#include "events.h"

#include <SDL.h>
#include <cstdlib>
#include <gtest/gtest.h>
#include <vector>

namespace {

ScreensaverRequest parseSaverLine(const std::vector<std::string>& words) {
    const Arguments line("kronvale.scr", words);
    return parseScreensaverCommandLine(line.argc(), line.argv());
}

void expectRequest(const ScreensaverRequest& got, ScreensaverAction action, uint64_t window) {
    EXPECT_EQ(static_cast<int>(got.action), static_cast<int>(action));
    EXPECT_EQ(got.window, window);
}

} // namespace

TEST(ScreensaverCommandLine, TheThreeRequestsInAnyCaseAndWithEitherMark) {
    for (const char* word : {"/s", "/S", "-s", "-S"}) {
        expectRequest(parseSaverLine({word}), ScreensaverAction::Show, 0);
    }
    for (const char* word : {"/c", "/C", "-c", "-C"}) {
        expectRequest(parseSaverLine({word}), ScreensaverAction::Configure, 0);
    }
    expectRequest(parseSaverLine({"/p", "1234"}), ScreensaverAction::Preview, 1234);
    expectRequest(parseSaverLine({"/P:1234"}), ScreensaverAction::Preview, 1234);
    expectRequest(parseSaverLine({"-p", "66050"}), ScreensaverAction::Preview, 66050);
    expectRequest(parseSaverLine({"-P:18446744073709551615"}), ScreensaverAction::Preview,
                  18446744073709551615u);
}

TEST(ScreensaverCommandLine, NoArgumentMeansSettingsWhichMayNameTheirParent) {
    expectRequest(parseSaverLine({}), ScreensaverAction::Configure, 0);
    expectRequest(parseSaverLine({"/c:4321"}), ScreensaverAction::Configure, 4321);
    expectRequest(parseSaverLine({"/c", "4321"}), ScreensaverAction::Configure, 4321);
}

TEST(ScreensaverCommandLine, AnythingElseIsUnknown) {
    const std::vector<std::vector<std::string>> others = {{"s"},
                                                          {"/"},
                                                          {"-"},
                                                          {"/x"},
                                                          {"/save"},
                                                          {"/s", "12"},
                                                          {"/s:12"},
                                                          {"/p"},
                                                          {"/p:"},
                                                          {"/p", ""},
                                                          {"/p", "12x"},
                                                          {"/p", "-12"},
                                                          {"/p", "0"},
                                                          {"/p", "0x1f"},
                                                          {"/p:12", "34"},
                                                          {"/p", "1", "2"},
                                                          {"/c", "a"},
                                                          {"window"},
                                                          {"fullscreen"},
                                                          {"/p", "99999999999999999999"},
                                                          {"/p", "123456789012345678901"}};
    for (const auto& args : others) {
        EXPECT_EQ(static_cast<int>(parseSaverLine(args).action),
                  static_cast<int>(ScreensaverAction::Unknown))
            << args.front() << " (" << args.size() << " arguments)";
    }
}

TEST(ScreensaverSettings, KeptAsTheOptionsAreWrittenOrIgnoredWhole) {
    const struct {
        const char* kept;
        bool valid;
        const char* words; // as they are passed on, joined by spaces
    } rows[] = {
        {"", true, ""},
        {"--12-hour --night 22-7", true, "--12-hour --night 22-7"},
        {"  --drift\t--night=1-5 ", true, "--drift --night=1-5"},
        {"--night 25-7", false, ""},
        {"--12-hour window", false, ""},
        {"--12-hour --night", false, ""},
        {"fullscreen 640 480", false, ""},
    };
    for (const auto& row : rows) {
        std::vector<std::string> words;
        Options options{};
        EXPECT_EQ(parseKeptSettings(row.kept, words, options), row.valid) << row.kept;
        std::string joined;
        for (const std::string& word : words) {
            joined += (joined.empty() ? "" : " ") + word;
        }
        EXPECT_EQ(joined, row.words) << row.kept;
    }
    // What the dialog keeps reads back as the same settings.
    std::vector<std::string> words;
    Options options{};
    ASSERT_TRUE(parseKeptSettings(keptSettingsText(true, false, 22, 7), words, options));
    EXPECT_TRUE(options.twelveHour && !options.drift && options.nightFrom == 22 &&
                options.nightTo == 7);
    EXPECT_EQ(keptSettingsText(false, true, 3, 3), "--drift");
}

namespace {

// The system pointer, as the tests place it.
PointerPosition pointer{500, 300};

PointerPosition readPointer() {
    return pointer;
}

class ScreensaverInputFilterTest : public ::testing::Test {
protected:
    void SetUp() override { pointer = PointerPosition{500, 300}; }
};

} // namespace

TEST_F(ScreensaverInputFilterTest, ShowingEndsOnAPressButNotOnARelease) {
    ScreensaverInputFilter filter(ScreensaverAction::Show, readPointer);
    for (Uint8 type : {SDL_KEYDOWN, SDL_MOUSEBUTTONDOWN}) {
        EXPECT_EQ(filter.judge(ofType(type)), ScreensaverInput::Dismiss) << int(type);
    }
    for (Uint8 type : {SDL_KEYUP, SDL_MOUSEBUTTONUP}) {
        EXPECT_EQ(filter.judge(ofType(type)), ScreensaverInput::Drop) << int(type);
    }
}

TEST_F(ScreensaverInputFilterTest, ShowingEndsOnlyWhenThePointerLeavesWhereItStood) {
    ScreensaverInputFilter filter(ScreensaverAction::Show, readPointer);
    // What SDL reports does not count: it makes one up while the display opens.
    EXPECT_EQ(filter.judge(motion(65535, 65535)), ScreensaverInput::Drop);
    // Within four pixels either way of where it stood, however often.
    for (PointerPosition near : std::vector<PointerPosition>{
             {504, 300}, {496, 304}, {500, 296}, {504, 304}, {496, 296}, {500, 300}}) {
        pointer = near;
        EXPECT_EQ(filter.judge(motion(0, 0)), ScreensaverInput::Drop) << near.x << "," << near.y;
    }
    for (PointerPosition away : std::vector<PointerPosition>{
             {505, 300}, {495, 300}, {500, 305}, {500, 295}, {-1, -1}, {2000, 300}}) {
        pointer = away;
        EXPECT_EQ(filter.judge(motion(500, 300)), ScreensaverInput::Dismiss)
            << away.x << "," << away.y;
    }
}

TEST_F(ScreensaverInputFilterTest, WhereThePointerStoodIsWhereItWasWhenTheFilterWasMade) {
    pointer = PointerPosition{10, 20};
    ScreensaverInputFilter filter(ScreensaverAction::Show, readPointer);
    pointer = PointerPosition{500, 300};
    EXPECT_EQ(filter.judge(motion(500, 300)), ScreensaverInput::Dismiss);
}

TEST_F(ScreensaverInputFilterTest, WithNoSystemPointerTheFirstMotionIsWhereItStood) {
    ScreensaverInputFilter filter(ScreensaverAction::Show, nullptr);
    EXPECT_EQ(filter.judge(motion(700, 500)), ScreensaverInput::Drop);
    EXPECT_EQ(filter.judge(motion(704, 496)), ScreensaverInput::Drop);
    EXPECT_EQ(filter.judge(motion(705, 500)), ScreensaverInput::Dismiss);
}

TEST_F(ScreensaverInputFilterTest, APreviewKeepsStillAndLetsNoInputThrough) {
    ScreensaverInputFilter filter(ScreensaverAction::Preview, readPointer);
    pointer = PointerPosition{10, 10};
    EXPECT_EQ(filter.judge(motion(10, 10)), ScreensaverInput::Drop);
    for (Uint8 type : {SDL_KEYDOWN, SDL_KEYUP, SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP}) {
        EXPECT_EQ(filter.judge(ofType(type)), ScreensaverInput::Drop) << int(type);
    }
}

TEST_F(ScreensaverInputFilterTest, EverythingButInputPasses) {
    for (ScreensaverAction action : {ScreensaverAction::Show, ScreensaverAction::Preview}) {
        ScreensaverInputFilter filter(action, readPointer);
        for (Uint8 type : {SDL_QUIT, SDL_ACTIVEEVENT, SDL_VIDEORESIZE, SDL_VIDEOEXPOSE,
                           SDL_SYSWMEVENT, SDL_USEREVENT}) {
            EXPECT_EQ(filter.judge(ofType(type)), ScreensaverInput::Pass) << int(type);
        }
    }
}

// The filter as SDL holds it, in SDL's real queue.
class ScreensaverQueue : public EventQueue {
protected:
    static int pending(Uint8 type) {
        SDL_Event events[8];
        return SDL_PeepEvents(events, 8, SDL_PEEKEVENT, SDL_EVENTMASK(type));
    }
};

TEST_F(ScreensaverQueue, ADismissingEventBecomesAQuitRequestAndNothingElseArrives) {
    pointer = PointerPosition{40, 700};
    installScreensaverInputFilter(ScreensaverAction::Show, readPointer);
    SDL_EventFilter filter = SDL_GetEventFilter();
    ASSERT_NE(filter, nullptr);
    const SDL_Event moved = motion(43, 697);
    const SDL_Event expose = ofType(SDL_VIDEOEXPOSE);
    pointer = PointerPosition{43, 697};
    EXPECT_EQ(filter(&moved), 0);
    EXPECT_EQ(filter(&expose), 1);
    EXPECT_EQ(pending(SDL_QUIT), 0);
    pointer = PointerPosition{60, 700};
    EXPECT_EQ(filter(&moved), 0);
    EXPECT_EQ(pending(SDL_QUIT), 1);
    EXPECT_EQ(pending(SDL_MOUSEMOTION), 0);
}
