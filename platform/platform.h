// The seam to the operating system and its window system: local time, the
// error message box, the pointer, the environment and the standard streams,
// the monitors, the window's icon and drawable, and what the screensavers'
// programs need of the system. Everything the shell and the scene cannot
// say in SDL 1.2's own terms is asked here; nothing here includes the shell.
#pragma once

#include "records/timeOfDay.h"

#include <cstdint>

union SDL_Event;

// The local time of day. The program links the system's clock; tests link one
// they set themselves.
TimeOfDay readLocalTime();

// A modal message with an OK button. Returns once the user has dismissed it,
// or at once where no dialog can be shown. The text also goes to standard
// error as one line, so it is never lost.
void showMessageBox(const char* title, const char* text);

// Hides the system pointer over the display while keeping absolute mouse
// positions. Needs the display to be open.
void hidePointer();

// Sets an environment variable for this process and the libraries it loads,
// unless it is already set (the user's choice stands).
void setEnvironmentDefault(const char* name, const char* value);

// Sets it whatever it was, or unsets it.
void setEnvironment(const char* name, const char* value);
void unsetEnvironment(const char* name);

// Opens whichever of the standard input, output and error streams the
// program was started without, on the null device, so that no connection a
// library opens later can take their place.
void openStandardStreams();

// Once video has started: the size of a monitor, the primary one first, as
// the system lays them out; false where that cannot be told (only an X
// server's monitors are known here).
bool monitorSize(int index, int32_t& width, int32_t& height);

// Makes sure the display's window carries the icon (square, rows of red,
// green and blue bytes) where window managers look for it today, whichever
// SDL opened it. Only an X server needs it.
void publishWindowIcon(const unsigned char* rgb, int size);

// The size in pixels of the display's OpenGL drawable, as the SDL 2 under
// the SDL 1.2 compatibility layer tells it; false where there is no such SDL.
bool drawableSize(int32_t& width, int32_t& height);

// A full-screen window that no window manager made as large as the desktop
// is made so. Only an X server leaves it to a window manager.
void growToFullscreen(int32_t width, int32_t height);

// After every frame presented: where the window system tells whether anyone
// can see the display (a Wayland compositor, by the frames it asks for),
// asks for the next frame. framesUnasked then says that it has stopped
// asking: the display is hidden, or its screen is off; awaitFrameRequest
// sleeps until it asks again, or for at most that long.
void noteFramePresented();
bool framesUnasked();
void awaitFrameRequest(int32_t milliseconds);

// Once the display is open: should the connection to it break, calls lost
// with what went away ("the X server :0"); lost must not return. An X
// server's loss shows at once, a Wayland compositor's once SDL has noticed
// it and lostDisplay is asked.
void watchDisplayConnection(void (*lost)(const char* what));
const char* lostDisplay(); // what went away, or nullptr while it is there

// Where the display draws into a window SDL did not make (a screensaver's):
// SDL is to hear of that window's new sizes, and then reports them as it
// does a resized window's.
void followForeignWindow();

// For kronvale-screensaver: an X11 window's size, on the display DISPLAY
// names; id 0 asks for the root window's and is set to its id.
enum class WindowLookup { Found, NoDisplay, NoWindow };
WindowLookup lookUpX11Window(uint64_t& id, int32_t& width, int32_t& height);

// Replaces this process with the program of that name installed beside this
// one's own file, or else found on the PATH; returns only if neither runs.
void runProgramBeside(const char* name, char* const argv[]);

// Where the system pointer stands, in screen pixels.
struct PointerPosition {
    int32_t x;
    int32_t y;
};

// For kronvale.scr, Windows' screensaver: the window SDL is to draw in and
// its size, made by the program itself. Showing, it covers the primary
// monitor, and a black cover each other monitor, whose input goes to
// judgeInput. Previewing, it is a child of the host window, and once the
// host is gone a quit request follows. Each returns 0 if no window could be
// made.
uint64_t openShowingWindows(void (*judgeInput)(const SDL_Event&), int32_t& width, int32_t& height);
uint64_t openPreviewWindow(uint64_t host, int32_t& width, int32_t& height);
PointerPosition readSystemPointer();
