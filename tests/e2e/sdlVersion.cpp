// Prints the version an SDL 1.2 library says it is, given the library's
// path: 1.2.15 is classic SDL, 1.2.50 and later the compatibility layer.
// Asked of the library, since where each is installed differs by release.
#include <cstdio>
#include <dlfcn.h>

namespace {

struct Version {
    unsigned char major, minor, patch;
};

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s LIBRARY\n", argv[0]);
        return 2;
    }
    void* library = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
    using Linked = const Version* (*)();
    const auto linked = library != nullptr
                            ? reinterpret_cast<Linked>(dlsym(library, "SDL_Linked_Version"))
                            : nullptr;
    const Version* version = linked != nullptr ? linked() : nullptr;
    if (version == nullptr) {
        std::fprintf(stderr, "%s: no SDL 1.2 in %s\n", argv[0], argv[1]);
        return 1;
    }
    std::printf("%u.%u.%u\n", version->major, version->minor, version->patch);
}
