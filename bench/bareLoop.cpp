// The least an SDL 1.2 OpenGL program can do per frame: clear, swap, pause
// 5 ms. Its frame rate, CPU and memory are the floor Kronvale is measured
// against, under the same library settings.
//
//   kronvale_bare_loop [fullscreen | window] [WIDTH HEIGHT]
#include <SDL.h>
#include <SDL_opengl.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[]) {
    const bool fullscreen = argc < 2 || std::strcmp(argv[1], "window") != 0;
    const int width = argc == 4 ? std::atoi(argv[2]) : 1024;
    const int height = argc == 4 ? std::atoi(argv[3]) : 768;
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        std::fprintf(stderr, "Video initialization failed: %s\n", SDL_GetError());
        return 1;
    }
    const Uint32 flags = fullscreen ? (SDL_OPENGL | SDL_FULLSCREEN) : SDL_OPENGL;
    if (SDL_SetVideoMode(width, height, 32, flags) == nullptr) {
        std::fprintf(stderr, "Video mode set failed: %s\n", SDL_GetError());
        SDL_Quit();
        return 1;
    }
    glClearColor(1, 1, 1, 0);
    for (;;) {
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            if (event.type == SDL_QUIT ||
                (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE)) {
                SDL_Quit();
                return 0;
            }
        }
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        SDL_GL_SwapBuffers();
        SDL_Delay(5);
    }
}
