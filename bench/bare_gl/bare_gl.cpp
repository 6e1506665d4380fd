// The smallest SDL2 + OpenGL program that shows a picture: the reference for the game's memory.
// Opens a window with an OpenGL context (headless through SDL's offscreen driver), uploads one
// 1024 x 1024 texture, draws it for a number of frames and prints its own peak resident size.
//
//     SDL_VIDEODRIVER=offscreen build/stroylik_bare_gl 1280 1024
#include <SDL.h>
#include <SDL_opengl.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv) {
    const int w = argc > 2 ? std::atoi(argv[1]) : 1280, h = argc > 2 ? std::atoi(argv[2]) : 1024;
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_Window* window = SDL_CreateWindow("bare", 0, 0, w, h, SDL_WINDOW_OPENGL);
    SDL_GLContext context = window ? SDL_GL_CreateContext(window) : nullptr;
    if (!context) {
        std::fprintf(stderr, "bare_gl: %s\n", SDL_GetError());
        return 1;
    }
    SDL_GL_SetSwapInterval(0);
    std::vector<unsigned> pixels(1024 * 1024);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = 0xFF000000u | unsigned(i * 2654435761u >> 8);
    GLuint tex = 0;
    glGenTextures(1, &tex);
    glBindTexture(GL_TEXTURE_2D, tex);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 1024, 1024, 0, GL_BGRA, GL_UNSIGNED_BYTE, pixels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glEnable(GL_TEXTURE_2D);
    glViewport(0, 0, w, h);
    for (int frame = 0; frame < 60; ++frame) {
        glClear(GL_COLOR_BUFFER_BIT);
        glBegin(GL_QUADS);
        glTexCoord2f(0, 0), glVertex2f(-1, -1);
        glTexCoord2f(1, 0), glVertex2f(1, -1);
        glTexCoord2f(1, 1), glVertex2f(1, 1);
        glTexCoord2f(0, 1), glVertex2f(-1, 1);
        glEnd();
        SDL_GL_SwapWindow(window);
        glFinish();
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("bare SDL2 + OpenGL peak RSS: %.1f MB\n", double(usage.ru_maxrss) / 1024.0);
    glDeleteTextures(1, &tex);
    SDL_GL_DeleteContext(context);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
