#pragma once
// OpenGL access for the platform files that draw; nothing outside src/platform includes this.
#define GL_GLEXT_PROTOTYPES 1
#include <GL/gl.h>
#include <GL/glext.h>
#include <SDL.h>

#include <string>

namespace plat {

// True when some OpenGL context is current on this thread. Objects made without one keep
// their CPU-side data only, and GL names are not deleted once the context is gone.
inline bool GlContextCurrent() { return SDL_GL_GetCurrentContext() != nullptr; }

inline GLuint CompileGlShader(GLenum kind, const char* source, std::string& error) {
    GLuint shader = glCreateShader(kind);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    GLint ok = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (ok != GL_TRUE) {
        char log[1024] = {};
        glGetShaderInfoLog(shader, sizeof log, nullptr, log);
        error = std::string("shader compile failed: ") + log;
        glDeleteShader(shader);
        return 0;
    }
    return shader;
}

// Compiles and links a vertex + fragment program, attribute i of `attributes` at location i;
// 0 and a message in `error` on failure.
inline GLuint BuildGlProgram(const char* vertexSource, const char* fragmentSource, std::string& error,
                             const char* const* attributes = nullptr, int attributeCount = 0) {
    GLuint vs = CompileGlShader(GL_VERTEX_SHADER, vertexSource, error);
    if (vs == 0) return 0;
    GLuint fs = CompileGlShader(GL_FRAGMENT_SHADER, fragmentSource, error);
    if (fs == 0) {
        glDeleteShader(vs);
        return 0;
    }
    GLuint program = glCreateProgram();
    glAttachShader(program, vs);
    glAttachShader(program, fs);
    for (int i = 0; i < attributeCount; ++i) glBindAttribLocation(program, GLuint(i), attributes[i]);
    glLinkProgram(program);
    glDeleteShader(vs);
    glDeleteShader(fs);
    GLint ok = GL_FALSE;
    glGetProgramiv(program, GL_LINK_STATUS, &ok);
    if (ok != GL_TRUE) {
        char log[1024] = {};
        glGetProgramInfoLog(program, sizeof log, nullptr, log);
        error = std::string("program link failed: ") + log;
        glDeleteProgram(program);
        return 0;
    }
    return program;
}

}  // namespace plat
