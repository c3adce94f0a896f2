// Input events applied to the mouse state, the view mode and minimising, one
// by one and through a real SDL event queue.
#include "app/app.h"
#include "events.h"

#include <cstdio>
#include <cstdlib>

namespace {

using Input = RestoringTest;
using Activation = RestoringTest;

void reportInputAtExit() {
    std::fprintf(stderr, "at exit: mouse %d,%d left %d\n", static_cast<int>(mouseX),
                 static_cast<int>(mouseY), leftButtonDown ? 1 : 0);
}

} // namespace

TEST_F(Input, MotionSetsThePositionAndWakesTheMouse) {
    idleFrames = 50;
    EXPECT_EQ(handleEvent(motion(700, 100)), InputResult::Continue);
    EXPECT_EQ(mouseX, 700);
    EXPECT_EQ(mouseY, 100);
    EXPECT_EQ(idleFrames, 0);
    // The largest window coordinate arrives unchanged, not as a negative number.
    handleEvent(motion(65535, 65535));
    EXPECT_EQ(mouseX, 65535);
    EXPECT_EQ(mouseY, 65535);
}

TEST_F(Input, MotionOverALetterboxedPictureCountsInItsOwnPixels) {
    // 1024 by 768 shown on 1280 by 1024: 1280 by 960 between bars of 32 rows.
    setScreenSize(1024, 768);
    picture = PictureArea{0, 32, 32, 1280, 960};
    const int32_t cases[][4] = {{0, 32, 0, 0}, {640, 512, 512, 384}, {1279, 991, 1023, 767}};
    for (const auto& c : cases) {
        handleEvent(motion(static_cast<Uint16>(c[0]), static_cast<Uint16>(c[1])));
        EXPECT_EQ(mouseX, c[2]) << c[0] << "," << c[1];
        EXPECT_EQ(mouseY, c[3]) << c[0] << "," << c[1];
    }
}

TEST_F(Input, SpaceTogglesAndTwiceChangesNothing) {
    handleEvent(keyDown(SDLK_SPACE));
    EXPECT_EQ(viewMode, Fly);
    handleEvent(keyDown(SDLK_SPACE));
    EXPECT_EQ(viewMode, Orbit);
    // Anything but Orbit counts as "not Orbit" and toggles back to it.
    viewMode = 7;
    handleEvent(keyDown(SDLK_SPACE));
    EXPECT_EQ(viewMode, Orbit);
}

TEST_F(Input, ButtonsOneAndThreeSetFlagsEveryButtonWakes) {
    struct Case {
        Uint8 which;
        bool left;
        bool right;
    };
    const Case cases[] = {{SDL_BUTTON_LEFT, true, false},
                          {SDL_BUTTON_MIDDLE, false, false},
                          {SDL_BUTTON_RIGHT, false, true},
                          {SDL_BUTTON_WHEELUP, false, false},
                          {SDL_BUTTON_WHEELDOWN, false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.which));
        mouseX = 11;
        mouseY = 12;
        idleFrames = 30;
        EXPECT_EQ(handleEvent(button(SDL_MOUSEBUTTONDOWN, c.which)), InputResult::Continue);
        EXPECT_EQ(leftButtonDown, c.left);
        EXPECT_EQ(rightButtonDown, c.right);
        EXPECT_EQ(idleFrames, 0);
        idleFrames = 30;
        handleEvent(button(SDL_MOUSEBUTTONUP, c.which));
        EXPECT_FALSE(leftButtonDown);
        EXPECT_FALSE(rightButtonDown);
        EXPECT_EQ(idleFrames, 0);
        // Button events carry a position, but it is not taken.
        EXPECT_EQ(mouseX, 11);
        EXPECT_EQ(mouseY, 12);
    }
}

TEST_F(Input, KeysNeitherWakeTheMouseNorActOnRelease) {
    idleFrames = 40;
    handleEvent(keyUp(SDLK_SPACE));
    handleEvent(keyUp(SDLK_ESCAPE));
    handleEvent(keyDown(SDLK_a));
    handleEvent(keyDown(SDLK_RETURN));
    EXPECT_EQ(viewMode, Orbit);
    EXPECT_EQ(idleFrames, 40);
    handleEvent(keyDown(SDLK_SPACE));
    EXPECT_EQ(idleFrames, 40);
}

TEST_F(Input, EscapeAndCloseRequestAskToQuit) {
    EXPECT_EQ(handleEvent(keyDown(SDLK_ESCAPE)), InputResult::Quit);
    EXPECT_EQ(handleEvent(ofType(SDL_QUIT)), InputResult::Quit);
}

TEST_F(Input, OtherEventsAreDropped) {
    idleFrames = 3;
    const Uint8 types[] = {SDL_ACTIVEEVENT, SDL_JOYAXISMOTION, SDL_JOYBUTTONDOWN,
                           SDL_VIDEOEXPOSE, SDL_SYSWMEVENT,    SDL_USEREVENT};
    for (Uint8 type : types) {
        EXPECT_EQ(handleEvent(ofType(type)), InputResult::Continue);
    }
    // The display's own changes are asked for, not made here.
    EXPECT_EQ(handleEvent(ofType(SDL_VIDEORESIZE)), InputResult::Resize);
    EXPECT_EQ(handleEvent(keyDown(SDLK_F11)), InputResult::SwitchFullscreen);
    EXPECT_EQ(idleFrames, 3);
    EXPECT_EQ(mouseX, 0);
    EXPECT_EQ(viewMode, Orbit);
    EXPECT_FALSE(leftButtonDown);
}

TEST_F(Activation, IconifyingSetsMinimisedAndOnlyARestoreClearsIt) {
    struct Step {
        Uint8 state, gain;
        bool minimisedAfter;
    };
    for (const Step& s :
         {Step{SDL_APPACTIVE, 0, true}, Step{SDL_APPINPUTFOCUS | SDL_APPMOUSEFOCUS, 1, true},
          Step{SDL_APPACTIVE, 1, false}, Step{SDL_APPINPUTFOCUS, 0, false},
          Step{SDL_APPMOUSEFOCUS, 0, false}, Step{SDL_APPACTIVE | SDL_APPINPUTFOCUS, 0, true}}) {
        EXPECT_EQ(handleEvent(activation(s.state, s.gain)), InputResult::Continue);
        EXPECT_EQ(minimised, s.minimisedAfter)
            << "state " << int(s.state) << ", gain " << int(s.gain);
    }
    EXPECT_EQ(idleFrames, 0);
    EXPECT_EQ(viewMode, Orbit);
    // A window manager that shows the window again without saying so: drawn into, it is seen.
    minimised = true;
    handleEvent(ofType(SDL_VIDEOEXPOSE));
    EXPECT_FALSE(minimised);
}

TEST_F(Input, IdleFramesCountUpAndSaturate) {
    countIdleFrame();
    EXPECT_EQ(idleFrames, 1);
    handleEvent(motion(3, 4));
    countIdleFrame();
    EXPECT_EQ(idleFrames, 1);
    idleFrames = INT32_MAX - 1;
    countIdleFrame();
    EXPECT_EQ(idleFrames, INT32_MAX);
    countIdleFrame();
    EXPECT_EQ(idleFrames, INT32_MAX);
}

TEST_F(EventQueue, PollDrainsEverythingInOrder) {
    push(motion(10, 20));
    push(keyDown(SDLK_SPACE));
    push(motion(30, 40));
    push(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT));
    push(keyDown(SDLK_SPACE));
    push(keyDown(SDLK_SPACE));
    idleFrames = 9;
    pollInput();
    EXPECT_EQ(mouseX, 30);
    EXPECT_EQ(mouseY, 40);
    EXPECT_TRUE(rightButtonDown);
    EXPECT_EQ(viewMode, Fly);
    EXPECT_EQ(idleFrames, 0);
    SDL_Event left;
    EXPECT_EQ(SDL_PollEvent(&left), 0);
}

TEST_F(EventQueue, EscapeEndsTheProcessAtOnceWithStatusZero) {
    push(motion(10, 20));
    push(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));
    push(keyDown(SDLK_ESCAPE));
    push(motion(99, 99));
    // Exit handlers still run, and the motion queued after Escape is never applied.
    EXPECT_EXIT(
        {
            std::atexit(reportInputAtExit);
            pollInput();
        },
        ::testing::ExitedWithCode(0), "at exit: mouse 10,20 left 1");
}
