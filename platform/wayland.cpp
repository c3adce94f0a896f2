// The window system's part where SDL's video runs on a Wayland compositor:
// whether it still asks for frames (it stops while nobody can see the
// window: a hidden workspace, an output switched off), and whether it is
// still there at all.
#include "platform/linuxWindowSystems.h"
#include "records/names.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <poll.h>
#include <wayland-client.h>

namespace {

// A frame asked for and not granted this long means the compositor is not
// showing the window: some twelve refreshes of a 60 Hz screen, so that a
// shown window never waits on a compositor that is merely slow.
constexpr double unaskedAfter = 0.2;

wl_display* display = nullptr;
wl_event_queue* queue = nullptr; // ours, so that SDL never dispatches our callbacks
wl_surface* surface = nullptr;   // SDL's, whose frames are asked for
uint32_t surfaceId = 0;          // its object's, which a new surface may reuse with its address
wl_surface* wrapper = nullptr;   // the surface's requests, answered on our queue
wl_callback* asked = nullptr;    // the frame asked for and not yet granted
// When the frame asked for went to the compositor, with the next frame's
// commit; 0 until then.
double askedAt = 0.0;
// Until the compositor first shows the surface, it may be waiting for frames
// itself: one that commits the size it asked for.
bool shown = false;

double now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

void granted(void*, wl_callback* callback, uint32_t) {
    wl_callback_destroy(callback);
    asked = nullptr;
    shown = true;
}
const wl_callback_listener grantedListener{granted};

// The display's surface; a display opened again may have a new one.
bool findSurface() {
    wl_display* connection = nullptr;
    wl_surface* found = nullptr;
    if (!sdl2WaylandSurface(connection, found)) {
        return false;
    }
    const uint32_t id = wl_proxy_get_id(reinterpret_cast<wl_proxy*>(found));
    if (found == surface && id == surfaceId) {
        return wrapper != nullptr;
    }
    if (asked != nullptr) {
        wl_callback_destroy(asked);
        asked = nullptr;
    }
    if (wrapper != nullptr) {
        wl_proxy_wrapper_destroy(wrapper);
    }
    display = connection;
    if (queue == nullptr) {
        queue = wl_display_create_queue(display);
    }
    surface = found;
    surfaceId = id;
    shown = false;
    wrapper = static_cast<wl_surface*>(wl_proxy_create_wrapper(surface));
    if (wrapper == nullptr || queue == nullptr) {
        return false;
    }
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapper), queue);
    return true;
}

void noteFramePresented() {
    if (!findSurface()) {
        return;
    }
    wl_display_dispatch_queue_pending(display, queue);
    if (asked == nullptr) {
        // Asked with the next frame's commit, and granted once the
        // compositor shows that frame.
        asked = wl_surface_frame(wrapper);
        wl_callback_add_listener(asked, &grantedListener, nullptr);
        askedAt = 0.0;
    } else if (askedAt == 0.0) {
        askedAt = now();
    }
}

bool framesUnasked() {
    return shown && asked != nullptr && askedAt != 0.0 && now() - askedAt > unaskedAfter &&
           display != nullptr && wl_display_get_error(display) == 0;
}

void awaitFrameRequest(int32_t milliseconds) {
    if (asked == nullptr || display == nullptr) {
        return;
    }
    // Events on our queue may already have been read, by SDL among others.
    while (wl_display_prepare_read_queue(display, queue) != 0) {
        if (wl_display_dispatch_queue_pending(display, queue) < 0) {
            return;
        }
    }
    wl_display_flush(display);
    pollfd connection{wl_display_get_fd(display), POLLIN, 0};
    if (poll(&connection, 1, milliseconds) > 0) {
        wl_display_read_events(display);
    } else {
        wl_display_cancel_read(display);
    }
    wl_display_dispatch_queue_pending(display, queue);
}

const char* lostDisplay() {
    if (display == nullptr && !findSurface()) {
        return nullptr;
    }
    if (wl_display_get_error(display) == 0) {
        return nullptr;
    }
    static char what[128];
    const char* name = std::getenv(waylandDisplayVariable);
    std::snprintf(what, sizeof what, "the Wayland compositor %s",
                  name != nullptr && *name != '\0' ? name : "wayland-0");
    return what;
}

} // namespace

void connectWayland(WindowSystem& system) {
    system.drawableSize = sdl2DrawableSize;
    system.noteFramePresented = noteFramePresented;
    system.framesUnasked = framesUnasked;
    system.awaitFrameRequest = awaitFrameRequest;
    system.lostDisplay = lostDisplay;
}
