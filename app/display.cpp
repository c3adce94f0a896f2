// The display: opened at the size asked for, opened again when the window is
// resized or F11 switches between the window and full-screen, and its
// drawable followed; what the two SDL libraries need to show the same
// picture of it.
#include "app/app.h"

#include "font/strokeFont.h"
#include "platform/platform.h"
#include "records/names.h"
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

struct Size {
    int32_t width;
    int32_t height;
};

Size desktop{0, 0};      // the monitor's size, found before any display opened
Size lastWindow{0, 0};   // the window's size, for F11 to come back to
Uint32 displayFlags = 0; // of the display open now

// No X11 window side is larger than this. Asked for far more, the library's
// own size check can overflow and the first frame crashes; asked for this
// much, it refuses plainly.
constexpr int32_t largestDisplaySide = 32767;

// OpenGL's GL_FRAMEBUFFER_BINDING, from beyond version 1.1: the layer's
// scaling draws into a framebuffer of its own.
constexpr GLenum framebufferBinding = 0x8CA6;

bool onCompatibilityLayer() {
    return sdlLibrary == SdlLibrary::CompatibilityLayer;
}

// SDL takes a zero side to mean the desktop's; ask for that size outright,
// since full-screen a zero would otherwise open a display one pixel wide.
int32_t displaySide(int32_t asked, int32_t desktopSide) {
    return std::min(asked == 0 ? desktopSide : asked, largestDisplaySide);
}

// The monitor full-screen goes to. The compatibility layer reports the
// chosen monitor's size; classic SDL the whole X screen's, so the system is
// asked which monitor it is.
Size readDesktopSize() {
    const char* chosen = std::getenv(monitorVariable);
    const int monitor = chosen != nullptr ? std::max(std::atoi(chosen), 0) : 0;
    Size size{0, 0};
    if (!onCompatibilityLayer() && monitorSize(monitor, size.width, size.height)) {
        return size;
    }
    const SDL_VideoInfo* info = SDL_GetVideoInfo();
    return info != nullptr ? Size{info->current_w, info->current_h} : Size{0, 0};
}

// Full-screen at a size the display cannot switch to, classic SDL leaves the
// window in a corner of the screen: Kronvale letterboxes the picture itself
// (the compatibility layer letterboxes by itself). Sizes no monitor could
// show are for SDL to refuse.
bool letterboxedByKronvale(Size asked) {
    if (onCompatibilityLayer() || asked.width <= 0 || asked.height <= 0 ||
        asked.width > desktop.width || asked.height > desktop.height ||
        (asked.width == desktop.width && asked.height == desktop.height)) {
        return false;
    }
    SDL_Rect** modes = SDL_ListModes(nullptr, SDL_OPENGL | SDL_FULLSCREEN);
    if (modes == reinterpret_cast<SDL_Rect**>(-1)) {
        return false;
    }
    for (int i = 0; modes != nullptr && modes[i] != nullptr; ++i) {
        if (modes[i]->w == asked.width && modes[i]->h == asked.height) {
            return false;
        }
    }
    return true;
}

// The picture at the size asked for, in its place on the whole display;
// both buffers black once, and from then on nothing is drawn outside it.
void letterbox(Size asked, Size display) {
    picture = placePicture(asked.width, asked.height, display.width, display.height);
    letterboxed = true;
    glDisable(GL_SCISSOR_TEST);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glDrawBuffer(GL_FRONT_AND_BACK);
    glClear(GL_COLOR_BUFFER_BIT);
    glDrawBuffer(GL_BACK);
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

// A window is captioned, however it came to be one.
void captionIfWindowed() {
    if (!fullscreen) {
        SDL_WM_SetCaption(windowCaption, nullptr);
    }
}

SDL_Surface* setMode(Size size, Uint32 flags) {
    SDL_Surface* display = SDL_SetVideoMode(size.width, size.height, 32, flags);
    if (display != nullptr) {
        displayFlags = flags;
    }
    return display;
}

// Pixels of the display's drawable for each of its points: more than 1
// where a desktop that scales gives the window more pixels than it has
// points (the compatibility layer on Wayland), else 1.
float drawablePixelsPerPoint(Size display) {
    if (!onCompatibilityLayer() || display.width <= 0) {
        return 1.0f;
    }
    // Scaling, the layer draws at the display's points into a buffer of its
    // own, which a context without framebuffers of its own cannot do.
    static const bool framebuffers = [] {
        const auto* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
        return extensions != nullptr && std::strstr(extensions, "framebuffer_object") != nullptr;
    }();
    GLint framebuffer = 0;
    if (framebuffers) {
        glGetIntegerv(framebufferBinding, &framebuffer);
    }
    int32_t width = 0;
    int32_t height = 0;
    // While the desktop has not yet said how it shows the window, the
    // drawable may be a few pixels only.
    if (framebuffer != 0 || !drawableSize(width, height) || width < display.width) {
        return 1.0f;
    }
    return static_cast<float>(width) / static_cast<float>(display.width);
}

// A display opened again, at another size or mode: the picture fills it. A new
// mode may cost the OpenGL context (classic SDL on Windows), and with it the
// state and the glyphs, which are made again; nothing else notices.
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
    // What opened, should it be the display as it was.
    fullscreen = (displayFlags & SDL_FULLSCREEN) != 0;
    captionIfWindowed();
    setScreenSize(display->w, display->h);
    followDrawable();
    initGraphicsState(screenWidth, screenHeight);
    if (glIsList(fontBase + '0') == GL_FALSE) {
        buildFontOrQuit();
    }
    if (screensaverRun) {
        followForeignWindow();
    }
}

} // namespace

void setScreenSize(int32_t width, int32_t height) {
    screenWidth = width;
    screenHeight = height;
    halfWidth = width / 2;
    halfHeight = height / 2;
    picture = PictureArea{0, 0, 0, width, height};
    letterboxed = false;
}

void openDisplayOrQuit(const DisplayRequest& request) {
    fullscreen = request.fullscreen;
    captionIfWindowed();
    desktop = readDesktopSize();
    const Size asked{displaySide(request.width, desktop.width),
                     displaySide(request.height, desktop.height)};
    lastWindow = asked;
    if (!screensaverRun) {
        showIcon();
    }
    const bool boxed = fullscreen && letterboxedByKronvale(asked);
    const Uint32 flags = fullscreen       ? SDL_OPENGL | SDL_FULLSCREEN
                         : screensaverRun ? SDL_OPENGL
                                          : SDL_OPENGL | SDL_RESIZABLE;
    SDL_Surface* display = setMode(boxed ? desktop : asked, flags);
    if (display == nullptr) {
        std::fprintf(stderr, "Video mode set failed: %s\n", SDL_GetError());
        quitProgram(1);
    }
    // Take what was really opened, so that neither the halves nor the aspect
    // ratio can come out as 0.
    setScreenSize(boxed ? asked.width : display->w, boxed ? asked.height : display->h);
    followDrawable();
    if (boxed) {
        letterbox(asked, Size{display->w, display->h});
    }
    if (!screensaverRun) {
        publishWindowIcon(iconPixels, iconSize);
    }
    // The layer leaves it to a window manager to make a full-screen window as
    // large as the desktop; with none, the window keeps the size asked for
    // and shows a magnified corner of the picture.
    if (fullscreen && onCompatibilityLayer()) {
        growToFullscreen(desktop.width, desktop.height);
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
        reopen(lastWindow, SDL_OPENGL | SDL_RESIZABLE);
        return;
    }
    if (desktop.width <= 0 || desktop.height <= 0) {
        return;
    }
    lastWindow = Size{screenWidth, screenHeight};
    reopen(desktop, SDL_OPENGL | SDL_FULLSCREEN);
}
