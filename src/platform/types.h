#pragma once
// Plain value types and result codes shared by the platform stand-ins and the game.
#include <cstdint>

namespace plat {

// Result codes keep the values of the services the game was designed against, so the
// error log can describe them and callers can test for the exact "lost" conditions.
using HRESULT = int32_t;
constexpr HRESULT S_OK = 0;
constexpr HRESULT E_FAIL = static_cast<int32_t>(0x80004005u);
constexpr HRESULT E_NOTIMPL = static_cast<int32_t>(0x80004001u);
constexpr HRESULT E_INVALIDARG = static_cast<int32_t>(0x80070057u);
constexpr HRESULT E_OUTOFMEMORY = static_cast<int32_t>(0x8007000Eu);
constexpr HRESULT D3DERR_DEVICELOST = static_cast<int32_t>(0x88760868u);
constexpr HRESULT D3DERR_DEVICENOTRESET = static_cast<int32_t>(0x88760869u);
constexpr HRESULT D3DERR_NOTAVAILABLE = static_cast<int32_t>(0x8876086Au);
constexpr HRESULT D3DERR_INVALIDCALL = static_cast<int32_t>(0x8876086Cu);
constexpr HRESULT DIERR_INPUTLOST = static_cast<int32_t>(0x8007001Eu);
constexpr HRESULT DIERR_NOTACQUIRED = static_cast<int32_t>(0x8007000Cu);

inline bool Failed(HRESULT hr) { return hr < 0; }
inline bool Succeeded(HRESULT hr) { return hr >= 0; }

struct Rect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
};

inline void SetRect(Rect& r, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    r.left = left;
    r.top = top;
    r.right = right;
    r.bottom = bottom;
}

struct Vec3 {
    float x = 0, y = 0, z = 0;
};

struct Color4 {
    float r = 0, g = 0, b = 0, a = 0;
};

}  // namespace plat
