// The fixed 3D states of the intro model: render states, texture stage, the two lights and the
// camera. Set once after the device is first made; the 3D pipeline keeps them across rebuilds.
#include "platform/gl3d.h"
#include "platform/matrix.h"
#include "render/graphics.h"

plat::Light g_sunLight;
plat::Light g_pointLight;

namespace {

struct StateValue {
    plat::RenderState state;
    uint32_t value;
};

// In the order they are set.
const StateValue RenderStates[] = {
    {plat::RS_FOGENABLE, 0},
    {plat::RS_FOGTABLEMODE, plat::FOG_LINEAR},
    {plat::RS_FOGCOLOR, 0x00888888},
    {plat::RS_FOGDENSITY, plat::FloatBits(1.0f)},
    {plat::RS_FOGSTART, plat::FloatBits(1.0f)},
    {plat::RS_FOGEND, plat::FloatBits(5000.0f)},
    {plat::RS_NORMALIZENORMALS, 1},
    {plat::RS_CULLMODE, plat::CULL_CCW},
    {plat::RS_LIGHTING, 1},
    {plat::RS_ZENABLE, plat::ZB_TRUE},
    {plat::RS_ZWRITEENABLE, 1},
    {plat::RS_ZFUNC, plat::CMP_LESSEQUAL},
    {plat::RS_SHADEMODE, plat::SHADE_GOURAUD},
    {plat::RS_MULTISAMPLEANTIALIAS, 1},
    {plat::RS_ANTIALIASEDLINEENABLE, 1},
    {plat::RS_SPECULARENABLE, 1},
};

plat::Light SunLight() {
    plat::Light l;
    l.Type = plat::LIGHT_DIRECTIONAL;
    l.Diffuse = {0.8f, 0.8f, 0.8f, 0};
    l.Specular = {1.4f, 1.4f, 1.4f, 0};
    l.Ambient = {0.08f, 0.08f, 0.08f, 0};
    l.Position = {0, 0, -1200};
    l.Direction = {0, 0, 1};
    l.Range = 100000.0f;
    l.Attenuation0 = 1.0f;
    l.Attenuation1 = 1.0f;
    return l;
}

plat::Light PointLight() {
    plat::Light l;
    l.Type = plat::LIGHT_POINT;
    l.Diffuse = {5.0f, 5.0f, 5.0f, 1.0f};
    l.Specular = {1.2f, 1.2f, 1.2f, 0};
    l.Ambient = l.Diffuse;
    l.Position = {20, 0, -300};
    l.Range = 1000.0f;
    l.Attenuation0 = 1.0f;
    l.Attenuation1 = 1.0f;
    return l;
}

}  // namespace

void setstate() {
    for (const StateValue& s : RenderStates) plat::SetRenderState(s.state, s.value);

    plat::SetTextureStageState(0, plat::TSS_COLOROP, plat::TOP_MODULATE);
    plat::SetTextureStageState(0, plat::TSS_ALPHAOP, plat::TOP_DISABLE);
    plat::SetSamplerState(0, plat::SAMP_MINFILTER, plat::TEXF_LINEAR);
    plat::SetSamplerState(0, plat::SAMP_MAGFILTER, plat::TEXF_ANISOTROPIC);
    plat::SetSamplerState(0, plat::SAMP_MIPFILTER, plat::TEXF_ANISOTROPIC);
    plat::SetRenderState(plat::RS_DIFFUSEMATERIALSOURCE, plat::MCS_MATERIAL);
    plat::SetRenderState(plat::RS_SPECULARMATERIALSOURCE, plat::MCS_MATERIAL);
    plat::SetRenderState(plat::RS_AMBIENTMATERIALSOURCE, plat::MCS_MATERIAL);
    plat::SetRenderState(plat::RS_AMBIENT, 0x00070707);

    g_sunLight = SunLight();
    plat::SetLight(0, g_sunLight);
    plat::LightEnable(0, true);
    g_pointLight = PointLight();
    plat::SetLight(1, g_pointLight);
    plat::LightEnable(1, true);

    // The aspect is fixed and does not follow the chosen resolution.
    plat::SetTransform(plat::TS_PROJECTION,
                       plat::MatrixPerspectiveFovLH(0.8f, std::bit_cast<float>(0x3FAAA993u), 10.0f, 5000.0f));
    plat::SetTransform(plat::TS_VIEW, plat::MatrixLookAtLH({0, 0, -600}, {0, 0, 0}, {0, 1, 0}));
}
