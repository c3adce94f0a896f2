// Kronvale's seam to the operating system and its window system: local
// time, the error message box, the pointer, the environment and the standard
// streams, and what only the window system SDL's video runs on can tell or
// do. Everything the shell and the scene cannot say in SDL 1.2's own terms is
// asked here; nothing here includes the shell. The screensavers' programs
// have seams of their own (launcher.h, windowsScreensaver.h).
#pragma once

#include "platform/environment.h"
#include "records/timeOfDay.h"

#include <cstdint>

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

// Opens whichever of the standard input, output and error streams the
// program was started without, on the null device, so that no connection a
// library opens later can take their place.
void openStandardStreams();

// The video driver of the desktop's own window system, where the libraries
// would not pick it by themselves: "wayland" on a Wayland session (the
// compatibility layer's SDL 2 would take the X server offered beside it);
// null elsewhere.
const char* desktopVideoDriver();

// Once video has started: the window system it runs on, X11, Wayland or
// Windows, chosen once. Every call below goes to that one, and does nothing
// (or says false) where that one has nothing to say.
void chooseWindowSystem();

// The size of a monitor, the primary one first, as the system lays them out;
// false where that cannot be told (only an X server's monitors are asked).
bool monitorSize(int index, int32_t& width, int32_t& height);

// Makes sure the display's window carries the icon (square, rows of red,
// green and blue bytes) where window managers look for it today, whichever
// SDL opened it.
void publishWindowIcon(const unsigned char* rgb, int size);

// The size in pixels of the display's OpenGL drawable, as the SDL 2 under
// the SDL 1.2 compatibility layer tells it; false where there is no such SDL.
bool drawableSize(int32_t& width, int32_t& height);

// A full-screen window that no window manager made as large as the desktop
// is made so.
void growToFullscreen(int32_t width, int32_t height);

// Where the display draws into a window SDL did not make (a screensaver's):
// SDL is to hear of that window's new sizes, and then reports them as it
// does a resized window's.
void followForeignWindow();

// Where the system pointer stands, in screen pixels; false where the window
// system does not tell (Wayland keeps the pointer to the window under it),
// or need not: on X11 SDL's motion events say it.
bool systemPointer(int32_t& x, int32_t& y);

// After every frame presented: where the window system tells whether anyone
// can see the display (a Wayland compositor, by the frames it asks for),
// asks for the next frame. framesUnasked then says that it has stopped
// asking: the display is hidden, or its screen is off (an X server says so
// of its monitor's power); awaitFrameRequest sleeps until it asks again, or
// until the server sends anything, or for at most that long.
void noteFramePresented();
bool framesUnasked();
void awaitFrameRequest(int32_t milliseconds);

// Once the display is open: should the connection to it break, calls lost
// with what went away ("the X server :0"); lost must not return. An X
// server's loss shows at once, a Wayland compositor's once SDL has noticed
// it and lostDisplay is asked.
void watchDisplayConnection(void (*lost)(const char* what));
const char* lostDisplay(); // what went away, or nullptr while it is there
