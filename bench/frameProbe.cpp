// Counts the frames a program presents, without changing the program: loaded
// with LD_PRELOAD, it stands in for the buffer-swap calls, counts them into a
// small shared file and passes each on. It also notes when the first frame
// came and which framebuffer OpenGL drew it into (not 0: the SDL 1.2
// compatibility layer's scaling buffer).
//
//   KRONVALE_PROBE_FILE=counts LD_PRELOAD=libkronvale_frame_probe.so PROGRAM ...
//
// The file holds six little-endian 64-bit integers: SDL_GL_SwapBuffers,
// glXSwapBuffers and eglSwapBuffers calls, the CLOCK_REALTIME nanoseconds of
// the first of them, the framebuffer bound then, and a sentinel of 1 once
// anything was written.
#include <GL/gl.h>
#include <atomic>
#include <cstdint>
#include <cstdlib>
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

void count(std::atomic<uint64_t> Counts::*which) {
    Counts* c = counts();
    if (c == nullptr) {
        return;
    }
    uint64_t expected = 0;
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const uint64_t at = static_cast<uint64_t>(now.tv_sec) * 1000000000u + now.tv_nsec;
    if (c->firstSwapNanoseconds.compare_exchange_strong(expected, at)) {
        using GetIntegerv = void (*)(GLenum, GLint*);
        if (auto get = reinterpret_cast<GetIntegerv>(dlsym(RTLD_DEFAULT, "glGetIntegerv"))) {
            GLint bound = -1;
            get(0x8CA6, &bound); // GL_FRAMEBUFFER_BINDING
            c->framebuffer = bound;
        }
    }
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
    count(&Counts::sdlSwaps);
    if (real != nullptr) {
        real();
    }
}

void glXSwapBuffers(void* display, unsigned long drawable) {
    static auto real = next<void (*)(void*, unsigned long)>("glXSwapBuffers");
    count(&Counts::glxSwaps);
    if (real != nullptr) {
        real(display, drawable);
    }
}

unsigned int eglSwapBuffers(void* display, void* surface) {
    static auto real = next<unsigned int (*)(void*, void*)>("eglSwapBuffers");
    count(&Counts::eglSwaps);
    return real != nullptr ? real(display, surface) : 0;
}
}
