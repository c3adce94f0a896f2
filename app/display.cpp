// The display: SDL's settings chosen before video starts, the display opened
// at the size asked for with its initial graphics state, and opened again
// when the window is resized or F11 switches between the window and
// full-screen.
#include "app/app.h"

#include "app/sdlLibraries.h"
#include "font/strokeFont.h"
#include "platform/platform.h"
#include "scene/scene.h"

#include <SDL.h>
#include <SDL_opengl.h>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

bool fullscreen = true;

namespace {

const unsigned char iconPixels[] = {
#include "platform/icons/kronvaleIcon.inc"
};
constexpr int iconSize = 48;

using Size = DisplaySize;

Size desktop{0, 0};      // the monitor's size, found before any display opened
Size lastWindow{0, 0};   // the window's size, for F11 to come back to
Uint32 displayFlags = 0; // of the display open now
bool captioned = false;

// No X11 window side is larger than this. Asked for far more, the library's
// own size check can overflow and the first frame crashes; asked for this
// much, it refuses plainly.
constexpr int32_t largestDisplaySide = 32767;

// SDL takes a zero side to mean the desktop's; ask for that size outright,
// since full-screen a zero would otherwise open a display one pixel wide.
int32_t displaySide(int32_t asked, int32_t desktopSide) {
    return std::min(asked == 0 ? desktopSide : asked, largestDisplaySide);
}

// The picture at the size asked for, scaled to fit the whole display and
// centred between black bars, as the compatibility layer shows it.
void letterbox(Size asked, Size display) {
    const int64_t wide = int64_t{asked.width} * display.height;
    const int64_t tall = int64_t{asked.height} * display.width;
    picture.width =
        wide >= tall ? display.width : static_cast<int32_t>(wide / std::max(asked.height, 1));
    picture.height =
        wide >= tall ? static_cast<int32_t>(tall / std::max(asked.width, 1)) : display.height;
    picture.left = (display.width - picture.width) / 2;
    picture.top = (display.height - picture.height) / 2;
    picture.bottom = display.height - picture.top - picture.height;
    // Both buffers black once; from then on nothing is drawn outside the picture.
    glDisable(GL_SCISSOR_TEST);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glDrawBuffer(GL_FRONT_AND_BACK);
    glClear(GL_COLOR_BUFFER_BIT);
    glDrawBuffer(GL_BACK);
    glScissor(picture.left, picture.bottom, picture.width, picture.height);
    glEnable(GL_SCISSOR_TEST);
}

void showIcon() {
    // Rows of red, green and blue bytes, whichever way the machine orders words.
    const bool big = SDL_BYTEORDER == SDL_BIG_ENDIAN;
    SDL_Surface* icon = SDL_CreateRGBSurfaceFrom(
        const_cast<unsigned char*>(iconPixels), iconSize, iconSize, 24, iconSize * 3,
        big ? 0xFF0000 : 0x0000FF, 0x00FF00, big ? 0x0000FF : 0xFF0000, 0);
    if (icon != nullptr) {
        SDL_WM_SetIcon(icon, nullptr);
        SDL_FreeSurface(icon);
    }
}

SDL_Surface* setMode(Size size, Uint32 flags) {
    SDL_Surface* display = SDL_SetVideoMode(size.width, size.height, 32, flags);
    if (display != nullptr) {
        displayFlags = flags;
    }
    return display;
}

// A display opened again, at another size or mode: the picture fills it. A new
// mode may cost the OpenGL context (classic SDL on Windows), and with it the
// state and the glyphs; nothing else notices.
void reopen(Size size, Uint32 flags) {
    const Size before{screenWidth, screenHeight};
    const Uint32 beforeFlags = displayFlags;
    SDL_Surface* display = setMode(size, flags);
    if (display == nullptr) {
        display = setMode(before, beforeFlags);
    }
    if (display == nullptr) {
        std::fprintf(stderr, "Video mode set failed: %s\n", SDL_GetError());
        quitProgram(1);
    }
    if (!fullscreen && !captioned) {
        SDL_WM_SetCaption(windowCaption, nullptr);
        captioned = true;
    }
    setScreenSize(display->w, display->h);
    followDrawable();
    glDisable(GL_SCISSOR_TEST);
    initGraphicsState(screenWidth, screenHeight);
    if (glIsList(fontBase + '0') == GL_FALSE) {
        buildFontOrQuit();
    }
}

} // namespace

void setScreenSize(int32_t width, int32_t height) {
    screenWidth = width;
    screenHeight = height;
    halfWidth = width / 2;
    halfHeight = height / 2;
    picture = PictureArea{0, 0, 0, width, height};
}

void initGraphicsState(int32_t width, int32_t height) {
    aspectRatio = static_cast<float>(static_cast<double>(width) / static_cast<double>(height));
    glShadeModel(GL_SMOOTH);
    glClearColor(1.0f, 1.0f, 1.0f, 0.0f);
    glClearDepth(1.0);
    glDisable(GL_DEPTH_TEST);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glHint(GL_POINT_SMOOTH_HINT, GL_NICEST);
    glEnable(GL_TEXTURE_2D);
    setSceneView();
}

void prepareVideo(const DisplayRequest& request) {
    const char* asked = std::getenv(screensaverVariable);
    screensaverRun = asked != nullptr && std::strcmp(asked, "1") == 0;
    // A window or a screensaver leaves the user's blanking and lock alone;
    // full-screen keeps the screen awake like a clock on the wall, and says so
    // in Kronvale's name.
    if (screensaverRun || !request.fullscreen) {
        setEnvironmentDefault("SDL_VIDEO_ALLOW_SCREENSAVER", "1");
    }
    chooseLibrarySettings(request);
    setEnvironmentDefault("SDL_APP_NAME", windowCaption);
    setEnvironmentDefault("SDL_SCREENSAVER_INHIBIT_ACTIVITY_NAME", screenAwakeReason);
}

void openDisplayOrQuit(const DisplayRequest& request) {
    desktop = readDesktopSize();
    const Size asked{displaySide(request.width, desktop.width),
                     displaySide(request.height, desktop.height)};
    lastWindow = asked;
    captioned = !fullscreen;
    if (!screensaverRun) {
        showIcon();
    }
    const bool letterboxed = fullscreen && letterboxedByKronvale(asked, desktop);
    const Uint32 flags = fullscreen       ? SDL_OPENGL | SDL_FULLSCREEN
                         : screensaverRun ? SDL_OPENGL
                                          : SDL_OPENGL | SDL_RESIZABLE;
    SDL_Surface* display = setMode(letterboxed ? desktop : asked, flags);
    if (display == nullptr) {
        std::fprintf(stderr, "Video mode set failed: %s\n", SDL_GetError());
        quitProgram(1);
    }
    // Take what was really opened, so that neither the halves nor the aspect
    // ratio can come out as 0.
    setScreenSize(letterboxed ? asked.width : display->w, letterboxed ? asked.height : display->h);
    followDrawable();
    if (letterboxed) {
        letterbox(asked, Size{display->w, display->h});
    }
    if (!screensaverRun) {
        publishWindowIcon(iconPixels, iconSize);
    }
    if (fullscreen) {
        coverDesktop(desktop);
    }
    watchDisplayConnection(endForLostDisplay);
    if (screensaverRun) {
        followForeignWindow();
    }
}

void followDrawable() {
    const SDL_Surface* display = SDL_GetVideoSurface();
    if (display != nullptr) {
        pixelsPerPoint = drawablePixelsPerPoint(Size{display->w, display->h});
    }
}

void resizeDisplay(int32_t width, int32_t height) {
    // A screensaver's window is its host's to size, and the picture follows.
    if (fullscreen || ((displayFlags & SDL_RESIZABLE) == 0 && !screensaverRun) || width <= 0 ||
        height <= 0 || (width == screenWidth && height == screenHeight)) {
        return;
    }
    reopen(Size{width, height}, displayFlags);
    lastWindow = Size{screenWidth, screenHeight};
}

void switchFullscreen() {
    if (screensaverRun) {
        return;
    }
    if (fullscreen) {
        fullscreen = false;
        reopen(lastWindow, SDL_OPENGL | SDL_RESIZABLE);
        return;
    }
    if (desktop.width <= 0 || desktop.height <= 0) {
        return;
    }
    lastWindow = Size{screenWidth, screenHeight};
    fullscreen = true;
    reopen(desktop, SDL_OPENGL | SDL_FULLSCREEN);
}
