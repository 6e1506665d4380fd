// Cost of the sprite batch at the size of the busiest screens: 30,000 one-texel draws and a
// flush per iteration, on a headless GL device and on the recorder used by tests.
#include <benchmark/benchmark.h>

#include "platform/device.h"
#include "platform/sprite.h"
#include "platform/texture.h"
#include "platform/window.h"

namespace {

constexpr int DrawsPerFrame = 30000;

std::unique_ptr<plat::Texture> Pen() {
    plat::Image img;
    img.width = 4;
    img.height = 4;
    img.pixels.assign(16, 0xFFFFFFFF);
    return plat::Texture::FromImage(img, false);
}

void DrawFrame(plat::Sprite& sprite, const plat::Texture* pen) {
    const plat::Rect texel{0, 0, 1, 1};
    sprite.Begin(plat::SPRITE_ALPHABLEND);
    for (int i = 0; i < DrawsPerFrame; ++i) {
        const plat::Vec3 pos{float(i % 1280), float(704 + i / 1280), 0};
        sprite.Draw(pen, &texel, nullptr, &pos, 0xFF888888);
    }
    sprite.End();
}

// A headless window with an 800 x 600 back buffer and the game's 800 x 600 sprite scaling.
struct GlTarget {
    plat::Window window;
    std::unique_ptr<plat::Device> device;
    std::unique_ptr<plat::Sprite> sprite;

    // False (and the benchmark marked skipped) when no GL device can be made.
    bool Open(benchmark::State& state, int multiSample) {
        std::string error;
        if (!window.Create(plat::WindowOptions{true, true}, 320, 240, "bench", error)) {
            state.SkipWithError(error.c_str());
            return false;
        }
        plat::PresentParams p;
        p.width = 800;
        p.height = 600;
        p.multiSample = multiSample;
        p.vsync = false;
        if (plat::Device::Create(window, p, device) != plat::S_OK || plat::Sprite::Create(device.get(), sprite) != plat::S_OK) {
            state.SkipWithError("no device");
            return false;
        }
        sprite->SetTransform(plat::MatrixScaling(0.625f, 0.585f, 1));
        return true;
    }
};

void BM_SpriteOnePixelDrawsGl(benchmark::State& state) {
    GlTarget gl;
    if (!gl.Open(state, int(state.range(0)))) return;
    auto pen = Pen();
    std::vector<uint32_t> one;
    for (auto _ : state) {
        gl.device->BeginScene();
        DrawFrame(*gl.sprite, pen.get());
        gl.device->EndScene();
        // Wait for the GPU so the time includes the rasterising, not only the submission.
        gl.device->ReadBackBuffer(one);
    }
    state.SetItemsProcessed(state.iterations() * DrawsPerFrame);
}
BENCHMARK(BM_SpriteOnePixelDrawsGl)->Arg(0)->Arg(4)->Unit(benchmark::kMillisecond);

void BM_SpriteOnePixelDrawsGlSubmitOnly(benchmark::State& state) {
    GlTarget gl;
    if (!gl.Open(state, 0)) return;
    auto pen = Pen();
    for (auto _ : state) DrawFrame(*gl.sprite, pen.get());
    state.SetItemsProcessed(state.iterations() * DrawsPerFrame);
}
BENCHMARK(BM_SpriteOnePixelDrawsGlSubmitOnly)->Unit(benchmark::kMillisecond);

void BM_SpriteOnePixelDrawsRecorder(benchmark::State& state) {
    auto sprite = plat::Sprite::CreateRecorder();
    auto pen = Pen();
    for (auto _ : state) {
        sprite->resetCounters();
        DrawFrame(*sprite, pen.get());
    }
    state.SetItemsProcessed(state.iterations() * DrawsPerFrame);
}
BENCHMARK(BM_SpriteOnePixelDrawsRecorder)->Unit(benchmark::kMicrosecond);

}  // namespace
