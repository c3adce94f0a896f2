// The main loop's sleep while nobody sees its frames: while iconified, until a
// restore arrives.
#include "app/app.h"
#include "events.h"

TEST_F(EventQueue, NotMinimisedTheLoopGoesOnAtOnce) {
    push(motion(5, 6));
    sleepWhileUnseen();
    EXPECT_EQ(mouseX, 0) << "nothing is taken from the queue";
    SDL_Event queued;
    ASSERT_EQ(SDL_PollEvent(&queued), 1);
    EXPECT_EQ(queued.type, SDL_MOUSEMOTION);
}

TEST_F(EventQueue, MinimisedEventsApplyUntilTheRestoreThenTheLoopGoesOn) {
    minimised = true;
    push(motion(30, 40));
    push(keyDown(SDLK_SPACE));
    push(activation(SDL_APPINPUTFOCUS, 1));
    push(activation(SDL_APPACTIVE, 1));
    push(motion(50, 60));
    sleepWhileUnseen();
    EXPECT_FALSE(minimised);
    EXPECT_EQ(mouseX, 30);
    EXPECT_EQ(mouseY, 40);
    EXPECT_EQ(viewMode, Fly);
    SDL_Event queued;
    ASSERT_EQ(SDL_PollEvent(&queued), 1) << "what came after the restore waits for the loop";
    EXPECT_EQ(queued.motion.x, 50);
}

TEST_F(EventQueue, EscapeOrACloseRequestWhileMinimisedEndsTheProcessWithStatusZero) {
    minimised = true;
    push(keyDown(SDLK_ESCAPE));
    // The child inherits no alarm of the fixture's: it sets a shorter one.
    EXPECT_EXIT((alarm(5), sleepWhileUnseen()), ::testing::ExitedWithCode(0), "");
    SDL_Event dropped;
    while (SDL_PollEvent(&dropped)) {
    }
    push(ofType(SDL_QUIT));
    EXPECT_EXIT((alarm(5), sleepWhileUnseen()), ::testing::ExitedWithCode(0), "");
}
