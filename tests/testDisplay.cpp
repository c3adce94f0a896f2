// Opens a real SDL OpenGL display for tests that need a GL context.
#include "testDisplay.h"

#include "clock/timeLabels.h"
#include "font/strokeFont.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string failure;
bool opened = false;
int openedWidth = 0, openedHeight = 0;
Uint32 openedFlags = 0;

const Matrix pixels = Matrix::ortho(0, GlTest::width, 0, GlTest::height, -1000, 1000);

} // namespace

const char* openTestDisplay(int width, int height, Uint32 flags) {
    if (opened) {
        if (width == openedWidth && height == openedHeight && flags == openedFlags) {
            return nullptr;
        }
        failure = "the test display is open already, at " + std::to_string(openedWidth) + " by " +
                  std::to_string(openedHeight) + "; one display for all tests of a program";
        return failure.c_str();
    }
    if (!failure.empty()) {
        return failure.c_str();
    }
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') {
        failure = "no X display: run the tests with the test command (make test), "
                  "or under xvfb-run";
        return failure.c_str();
    }
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        failure = std::string("SDL video could not start: ") + SDL_GetError();
        return failure.c_str();
    }
    // Zero means the desktop's size, as the program itself reads it.
    const SDL_VideoInfo* desktop = SDL_GetVideoInfo();
    const int w = width == 0 && desktop != nullptr ? desktop->current_w : width;
    const int h = height == 0 && desktop != nullptr ? desktop->current_h : height;
    if (SDL_SetVideoMode(w, h, 32, flags) == nullptr) {
        failure = std::string("the test display could not open: ") + SDL_GetError();
        return failure.c_str();
    }
    opened = true;
    openedWidth = width;
    openedHeight = height;
    openedFlags = flags;
    return nullptr;
}

bool testDisplayMandatory() {
    const char* ci = std::getenv("CI");
    return ci != nullptr && *ci != '\0' && std::strcmp(ci, "false") != 0;
}

void GlTest::SetUp() {
    KRONVALE_REQUIRE_DISPLAY(width, height, SDL_OPENGL);
    if (fontBase == 0) {
        fontBase = buildStrokeFont();
    }
    ASSERT_NE(fontBase, 0u);
    if (TimeLabels == nullptr) {
        allocateTimeLabels();
    }
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    pixels.load();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glListBase(0);
    glDisable(GL_BLEND);
    // Whatever an earlier test queued, or the window's own arrival, is not this test's input.
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
    }
}

Matrix GlTest::toWindow(const Matrix& modelView) {
    return viewport(width, height) * pixels * modelView;
}
