// Textures: decoded pictures uploaded to the GPU, optionally with a CPU copy of the pixels.
#include "platform/texture.h"

#include "platform/device.h"
#include "platform/gl_util.h"

namespace plat {

Texture::~Texture() {
    if (glName_ != 0 && GlContextCurrent()) {
        GLuint name = glName_;
        glDeleteTextures(1, &name);
    }
}

namespace {

// A w x h RGBA texture from 0xAARRGGBB words (uninitialised when null), one level, clamped.
GLuint MakeGlTexture(int w, int h, const uint32_t* words, GLint filter) {
    GLint previous = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &previous);
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    // 0xAARRGGBB words are exactly BGRA with the reversed packed type, on any byte order.
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, w, h, 0, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, words);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    glBindTexture(GL_TEXTURE_2D, GLuint(previous));
    return name;
}

}  // namespace

std::unique_ptr<Texture> Texture::FromImage(const Image& image, bool keepPixels) {
    std::unique_ptr<Texture> tex(new Texture());
    tex->width_ = image.width;
    tex->height_ = image.height;
    if (keepPixels) tex->pixels_ = image;
    // Without a context (tests of game logic) the texture is CPU-only: sizes and kept
    // pixels are there, nothing is drawn with it.
    if (!GlContextCurrent() || image.width <= 0 || image.height <= 0) return tex;
    tex->glName_ = MakeGlTexture(image.width, image.height, image.pixels.data(), GL_LINEAR);
    return tex;
}

std::unique_ptr<Texture> Texture::Blank(int w, int h) {
    std::unique_ptr<Texture> tex(new Texture());
    tex->width_ = w;
    tex->height_ = h;
    if (!GlContextCurrent() || w <= 0 || h <= 0) return tex;
    tex->glName_ = MakeGlTexture(w, h, nullptr, GL_NEAREST);
    return tex;
}

HRESULT CreateTextureFromFile(Device* device, const std::string& path, std::unique_ptr<Texture>& out, bool keepPixels,
                              std::string* error) {
    if (device == nullptr) {
        if (error) *error = path + ": no graphics device to load the texture on";
        return D3DERR_NOTAVAILABLE;
    }
    Image image;
    std::string why;
    if (!LoadImageFile(path, image, why)) {
        if (error) *error = why;
        return E_FAIL;
    }
    out = Texture::FromImage(image, keepPixels);
    return S_OK;
}

}  // namespace plat
