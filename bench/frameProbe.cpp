// Watches a program from outside, without changing it: loaded with
// LD_PRELOAD, it stands in for a few library calls, notes them in a small
// shared file and passes each on. It counts the frames presented, notes when
// the first and the latest came and which framebuffer the first was drawn
// into (not 0: the SDL 1.2 compatibility layer's scaling buffer), counts the
// pauses and the calls that shut SDL down, and keeps the last ten nine-byte
// texts drawn with the font's display lists (the labels of the last chain).
//
//   KRONVALE_PROBE_FILE=counts LD_PRELOAD=libkronvale_frame_probe.so PROGRAM ...
//
// The file holds little-endian 64-bit integers, in this order: SDL_GL_SwapBuffers,
// glXSwapBuffers and eglSwapBuffers calls; the CLOCK_REALTIME nanoseconds of
// the first of them; the framebuffer bound then; a sentinel of 1 once
// anything was written; the nanoseconds of the latest swap; SDL_Delay calls
// of 5 ms; SDL_Delay calls of any other length; SDL_Quit calls; nine-byte
// texts drawn. Then ten texts of nine bytes, the latest in slot (count - 1) % 10.
#include <GL/gl.h>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace {

struct Counts {
    std::atomic<uint64_t> sdlSwaps;
    std::atomic<uint64_t> glxSwaps;
    std::atomic<uint64_t> eglSwaps;
    std::atomic<uint64_t> firstSwapNanoseconds;
    std::atomic<int64_t> framebuffer;
    std::atomic<uint64_t> written;
    std::atomic<uint64_t> lastSwapNanoseconds;
    std::atomic<uint64_t> pauses;
    std::atomic<uint64_t> otherDelays;
    std::atomic<uint64_t> quits;
    std::atomic<uint64_t> texts;
    char lastTexts[10][9];
};

Counts* counts() {
    static Counts* mapped = []() -> Counts* {
        const char* path = std::getenv("KRONVALE_PROBE_FILE");
        if (path == nullptr) {
            return nullptr;
        }
        const int fd = open(path, O_RDWR | O_CREAT, 0644);
        if (fd < 0) {
            return nullptr;
        }
        if (ftruncate(fd, sizeof(Counts)) != 0) {
            close(fd);
            return nullptr;
        }
        void* memory = mmap(nullptr, sizeof(Counts), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
        close(fd);
        return memory == MAP_FAILED ? nullptr : static_cast<Counts*>(memory);
    }();
    return mapped;
}

uint64_t nowNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<uint64_t>(now.tv_sec) * 1000000000u + now.tv_nsec;
}

void countSwap(std::atomic<uint64_t> Counts::*which) {
    Counts* c = counts();
    if (c == nullptr) {
        return;
    }
    uint64_t expected = 0;
    const uint64_t at = nowNanoseconds();
    if (c->firstSwapNanoseconds.compare_exchange_strong(expected, at)) {
        using GetIntegerv = void (*)(GLenum, GLint*);
        if (auto get = reinterpret_cast<GetIntegerv>(dlsym(RTLD_DEFAULT, "glGetIntegerv"))) {
            GLint bound = -1;
            get(0x8CA6, &bound); // GL_FRAMEBUFFER_BINDING
            c->framebuffer = bound;
        }
    }
    c->lastSwapNanoseconds = at;
    ++(c->*which);
    c->written = 1;
}

template <typename Function> Function next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" {

void SDL_GL_SwapBuffers(void) {
    static auto real = next<void (*)(void)>("SDL_GL_SwapBuffers");
    countSwap(&Counts::sdlSwaps);
    if (real != nullptr) {
        real();
    }
}

void glXSwapBuffers(void* display, unsigned long drawable) {
    static auto real = next<void (*)(void*, unsigned long)>("glXSwapBuffers");
    countSwap(&Counts::glxSwaps);
    if (real != nullptr) {
        real(display, drawable);
    }
}

unsigned int eglSwapBuffers(void* display, void* surface) {
    static auto real = next<unsigned int (*)(void*, void*)>("eglSwapBuffers");
    countSwap(&Counts::eglSwaps);
    return real != nullptr ? real(display, surface) : 0;
}

void SDL_Delay(uint32_t milliseconds) {
    static auto real = next<void (*)(uint32_t)>("SDL_Delay");
    if (Counts* c = counts()) {
        ++(milliseconds == 5 ? c->pauses : c->otherDelays);
        c->written = 1;
    }
    if (real != nullptr) {
        real(milliseconds);
    }
}

void SDL_Quit(void) {
    static auto real = next<void (*)(void)>("SDL_Quit");
    if (Counts* c = counts()) {
        ++c->quits;
        c->written = 1;
    }
    if (real != nullptr) {
        real();
    }
}

void glCallLists(GLsizei n, GLenum type, const GLvoid* lists) {
    static auto real = next<void (*)(GLsizei, GLenum, const GLvoid*)>("glCallLists");
    Counts* c = counts();
    if (c != nullptr && n == 9 && type == GL_UNSIGNED_BYTE && lists != nullptr) {
        const uint64_t slot = c->texts % 10;
        std::memcpy(c->lastTexts[slot], lists, 9);
        ++c->texts;
        c->written = 1;
    }
    if (real != nullptr) {
        real(n, type, lists);
    }
}
}
