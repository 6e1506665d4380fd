// The settings dialog: a label, the resolution list and two buttons, drawn by the game's own
// sprite batch and font in the dialog window, worked by mouse and keyboard.
#include "app/settings_dialog.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "app/form.h"
#include "app/user_files.h"
#include "core/i18n.h"
#include "core/options.h"
#include "core/player_message.h"
#include "platform/device.h"
#include "platform/font.h"
#include "platform/input.h"
#include "platform/sprite.h"
#include "platform/texture.h"
#include "render/shown_text.h"

namespace {

// The classic system colours of a dialog.
constexpr uint32_t kFace = 0xFFE3E3E3;        // 3D light: the window colour
constexpr uint32_t kHighlight = 0xFFFFFFFF;   // lit bevel edge
constexpr uint32_t kShadow = 0xFFA0A0A0;      // shaded bevel edge
constexpr uint32_t kDark = 0xFF404040;        // outer dark edge
constexpr uint32_t kText = 0xFF000000;
constexpr uint32_t kGrayText = 0xFF808080;
constexpr uint32_t kSelection = 0xFF0A246A;   // selected list item
constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr int kListItemHeight = 16;
constexpr int kArrowWidth = 17;

struct DialogGraphics {
    std::unique_ptr<plat::Device> device;
    std::unique_ptr<plat::Sprite> sprite;
    std::unique_ptr<plat::Font> font;
    std::unique_ptr<plat::Texture> white;
    bool failed = false;
};
DialogGraphics g_dialog;

int g_focus = 0;           // tab order of the focused control
int g_pressed = -1;        // tab order of the button held down by the mouse
bool g_pressedInside = false;
int g_listHot = 0;         // highlighted item of the open list
int g_mouseX = -1, g_mouseY = -1;
constexpr int kTabStops = 5;   // the controls that take the focus, tab orders 0..4
std::vector<std::string> g_languages;   // the codes behind the language list's items
int g_languageShown = -1;               // the list item the dialog's texts are in

bool Inside(const DialogControl& c, int x, int y) {
    return x >= c.left && x < c.left + c.width && y >= c.top && y < c.top + c.height;
}

DialogControl* ControlByTab(TForm1& form, int tab) {
    DialogControl* all[] = {&form.Button1, &form.Button2, &form.ComboBox1, &form.ComboBox2, &form.Button3};
    for (DialogControl* c : all)
        if (c->tabOrder == tab) return c;
    return nullptr;
}

bool Focusable(const DialogControl* c) { return c && c->visible && c->enabled && c->tabOrder >= 0; }

void MoveFocus(TForm1& form, int step) {
    for (int i = 1; i <= kTabStops; ++i) {
        int tab = ((g_focus + step * i) % kTabStops + kTabStops) % kTabStops;
        if (Focusable(ControlByTab(form, tab))) {
            g_focus = tab;
            return;
        }
    }
}

DialogComboBox* ComboByTab(TForm1& form, int tab) {
    for (DialogComboBox* c : {&form.ComboBox1, &form.ComboBox2})
        if (c->tabOrder == tab) return c;
    return nullptr;
}

DialogComboBox* DroppedCombo(TForm1& form) {
    for (DialogComboBox* c : {&form.ComboBox1, &form.ComboBox2})
        if (c->dropped) return c;
    return nullptr;
}

// A language chosen in the list: the dialog speaks it at once, and the settings keep it.
void ApplyChosenLanguage(TForm1& form) {
    const int index = form.ComboBox2.itemIndex;
    if (index == g_languageShown || index < 0 || index >= static_cast<int>(g_languages.size())) return;
    std::string message;
    if (!LoadLanguage(g_languages[index], message)) form.ShowMessage(message, Tr("Стройлик"));
    else if (!RememberLanguage(g_languages[index], message)) form.ShowMessage(message, Tr("Стройлик"));
    CaptionDialogControls(form);
    form.window.SetTitle(Tr("Стройлик (Настройка)"));
}

void ClickButton(TForm1& form, int tab) {
    if (tab == form.Button1.tabOrder && form.Button1.enabled) form.Button1Click();
    else if (tab == form.Button2.tabOrder && form.Button2.enabled) form.Button2Click();
    else if (tab == form.Button3.tabOrder && form.Button3.enabled) form.Button3Click();
}

// ---- drawing ----------------------------------------------------------------------------

void Fill(int x, int y, int w, int h, uint32_t colour) {
    if (w <= 0 || h <= 0) return;
    plat::Rect src;
    plat::SetRect(src, 0, 0, w, h);
    plat::Vec3 pos{static_cast<float>(x), static_cast<float>(y), 0.0f};
    g_dialog.sprite->Draw(g_dialog.white.get(), &src, nullptr, &pos, colour);
}

// A bevelled frame: light on top and left, shade on bottom and right (or the other way round).
void Bevel(int x, int y, int w, int h, bool sunken) {
    uint32_t lit = sunken ? kShadow : kHighlight;
    uint32_t shade = sunken ? kHighlight : kDark;
    Fill(x, y, w, 1, lit);
    Fill(x, y, 1, h, lit);
    Fill(x, y + h - 1, w, 1, shade);
    Fill(x + w - 1, y, 1, h, shade);
    uint32_t innerLit = sunken ? kDark : kFace;
    uint32_t innerShade = sunken ? kFace : kShadow;
    Fill(x + 1, y + 1, w - 2, 1, innerLit);
    Fill(x + 1, y + 1, 1, h - 2, innerLit);
    Fill(x + 1, y + h - 2, w - 2, 1, innerShade);
    Fill(x + w - 2, y + 1, 1, h - 2, innerShade);
}

// A dotted focus rectangle.
void FocusRect(int x, int y, int w, int h) {
    for (int i = 0; i < w; i += 2) {
        Fill(x + i, y, 1, 1, kText);
        Fill(x + i, y + h - 1, 1, 1, kText);
    }
    for (int i = 0; i < h; i += 2) {
        Fill(x, y + i, 1, 1, kText);
        Fill(x + w - 1, y + i, 1, 1, kText);
    }
}

void Text(const std::string& text, int x, int y, int w, int h, uint32_t colour) {
    plat::Rect r;
    plat::SetRect(r, x, y, x + w, y + h);
    DrawShownText(*g_dialog.font, *g_dialog.sprite, text, r, colour);
}

void CentredText(const std::string& text, int x, int y, int w, int h, uint32_t colour) {
    int tw = std::min(w, g_dialog.font->MeasureWidth(text));
    int th = g_dialog.font->height();
    Text(text, x + (w - tw) / 2, y + (h - th) / 2, w, h, colour);
}

void DrawButton(const DialogControl& b, bool focused, bool pressed) {
    if (!b.visible) return;
    Fill(b.left, b.top, b.width, b.height, kFace);
    int x = b.left, y = b.top, w = b.width, h = b.height;
    if (focused) {   // the focused button carries a dark outline, as a default button does
        Fill(x, y, w, 1, kText);
        Fill(x, y + h - 1, w, 1, kText);
        Fill(x, y, 1, h, kText);
        Fill(x + w - 1, y, 1, h, kText);
        ++x, ++y, w -= 2, h -= 2;
    }
    if (pressed) {
        Fill(x, y, w, 1, kShadow);
        Fill(x, y, 1, h, kShadow);
        Fill(x, y + h - 1, w, 1, kShadow);
        Fill(x + w - 1, y, 1, h, kShadow);
    } else {
        Bevel(x, y, w, h, false);
    }
    int shift = pressed ? 1 : 0;
    CentredText(b.caption, x + shift, y + shift, w, h, b.enabled ? kText : kGrayText);
    if (focused) FocusRect(x + 3, y + 3, w - 6, h - 6);
}

void DrawArrow(int x, int y, int w, int h, uint32_t colour) {
    int cx = x + w / 2, cy = y + h / 2 - 2;
    for (int row = 0; row < 4; ++row) Fill(cx - 3 + row, cy + row, 7 - 2 * row, 1, colour);
}

void DrawCombo(const DialogComboBox& c, bool focused) {
    if (!c.visible) return;
    Fill(c.left, c.top, c.width, c.height, kWhite);
    Bevel(c.left, c.top, c.width, c.height, true);
    const int ax = c.left + c.width - 2 - kArrowWidth, ay = c.top + 2, ah = c.height - 4;
    Fill(ax, ay, kArrowWidth, ah, kFace);
    Bevel(ax, ay, kArrowWidth, ah, c.dropped);
    DrawArrow(ax, ay, kArrowWidth, ah, c.enabled ? kText : kGrayText);
    const int tx = c.left + 3, ty = c.top + 3, tw = ax - tx - 1, th = c.height - 6;
    std::string item = c.itemIndex >= 0 && c.itemIndex < static_cast<int>(c.items.size()) ? c.items[c.itemIndex] : "";
    uint32_t colour = c.enabled ? kText : kGrayText;
    if (focused && !c.dropped) {
        Fill(tx, ty, tw, th, kSelection);
        colour = kWhite;
        FocusRect(tx, ty, tw, th);
    }
    Text(item, tx + 2, ty + (th - g_dialog.font->height()) / 2, tw - 2, th, colour);
}

void DrawList(const DialogComboBox& c) {
    if (!c.dropped) return;
    const int x = c.left, y = c.top + c.height, w = c.width;
    const int h = kListItemHeight * static_cast<int>(c.items.size()) + 2;
    Fill(x, y, w, h, kText);
    Fill(x + 1, y + 1, w - 2, h - 2, kWhite);
    for (int i = 0; i < static_cast<int>(c.items.size()); ++i) {
        int iy = y + 1 + i * kListItemHeight;
        uint32_t colour = kText;
        if (i == g_listHot) {
            Fill(x + 1, iy, w - 2, kListItemHeight, kSelection);
            colour = kWhite;
        }
        Text(c.items[i], x + 4, iy + (kListItemHeight - g_dialog.font->height()) / 2, w - 6, kListItemHeight, colour);
    }
}

int ListItemAt(const DialogComboBox& c, int x, int y) {
    const int top = c.top + c.height + 1;
    if (x < c.left || x >= c.left + c.width || y < top) return -1;
    int i = (y - top) / kListItemHeight;
    return i < static_cast<int>(c.items.size()) ? i : -1;
}

bool EnsureGraphics(TForm1& form) {
    if (g_dialog.device) return true;
    if (g_dialog.failed) return false;
    plat::PresentParams params;
    params.width = 418;
    params.height = 179;
    params.multiSample = 0;
    params.vsync = g_options.vsync;
    plat::HRESULT hr = plat::Device::Create(form.window, params, g_dialog.device);
    if (plat::Succeeded(hr)) hr = plat::Sprite::Create(g_dialog.device.get(), g_dialog.sprite);
    if (plat::Succeeded(hr)) hr = plat::Font::Create(g_dialog.device.get(), 13, 0, 400, "MS Sans Serif", g_dialog.font);
    if (plat::Succeeded(hr)) {
        plat::Image image;
        image.width = 420;
        image.height = 180;
        image.pixels.assign(static_cast<size_t>(image.width) * image.height, 0xFFFFFFFF);
        g_dialog.white = plat::Texture::FromImage(image, false);
        if (!g_dialog.white) hr = plat::E_FAIL;
    }
    if (plat::Failed(hr)) {
        char code[16];
        std::snprintf(code, sizeof code, "0x%08X", static_cast<unsigned>(hr));
        TellPlayer(TrFormat("окно настройки не удаётся нарисовать (ошибка {code}).", {{"code", code}}));
        ReleaseSettingsDialog();
        g_dialog.failed = true;
        return false;
    }
    return true;
}

}  // namespace

void CaptionDialogControls(TForm1& form) {
    form.Label1.caption = Tr("Выберите разрешение игры:");
    form.ComboBox1.items.clear();
    for (const auto& [width, height] : {std::pair{800, 600}, std::pair{1024, 768}, std::pair{1280, 1024}})
        // TRANSLATORS: a screen size; "х" is the Cyrillic letter, write the x of your script.
        form.ComboBox1.items.push_back(
            TrFormat("{width}х{height}", {{"width", std::to_string(width)}, {"height", std::to_string(height)}}));
    form.Button1.caption = Tr("Начать игру");
    form.Button2.caption = Tr("Выход");
    form.Label2.caption = Tr("Язык:");
    g_languages = AvailableLanguages();
    form.ComboBox2.items.clear();
    form.ComboBox2.itemIndex = 0;
    for (size_t i = 0; i < g_languages.size(); ++i) {
        form.ComboBox2.items.push_back(LanguageOwnName(g_languages[i]));
        if (g_languages[i] == CurrentLanguage()) form.ComboBox2.itemIndex = static_cast<int>(i);
    }
    g_languageShown = form.ComboBox2.itemIndex;
}

void SetUpDialogControls(TForm1& form) {
    form.Label1.left = 16;
    form.Label1.top = 8;
    form.Label1.width = 200;
    form.Label1.height = 13;
    form.ComboBox1.left = 16;
    form.ComboBox1.top = 32;
    form.ComboBox1.width = 145;
    form.ComboBox1.height = 21;
    form.ComboBox1.itemIndex = 0;
    form.ComboBox1.tabOrder = 2;
    form.Button1.left = 328;
    form.Button1.top = 136;
    form.Button1.width = 75;
    form.Button1.height = 25;
    form.Button1.tabOrder = 0;
    form.Button2.left = 248;
    form.Button2.top = 136;
    form.Button2.width = 75;
    form.Button2.height = 25;
    form.Button2.tabOrder = 1;
    // For the parents: the game starts at the gate of the parent corner.
    form.Button3.caption = Tr("Родителям");
    form.Button3.left = 16;
    form.Button3.top = 136;
    form.Button3.width = 90;
    form.Button3.height = 25;
    form.Button3.tabOrder = 4;
    form.Label2.left = 16;
    form.Label2.top = 64;
    form.Label2.width = 200;
    form.Label2.height = 13;
    form.ComboBox2.left = 16;
    form.ComboBox2.top = 88;
    form.ComboBox2.width = 145;
    form.ComboBox2.height = 21;
    form.ComboBox2.tabOrder = 3;
    CaptionDialogControls(form);
    g_focus = 0;
    g_pressed = -1;
}

int DialogFocus() { return g_focus; }
void SetDialogFocus(int tabOrder) { g_focus = tabOrder; }

void DrawSettingsDialog(TForm1& form) {
    if (!EnsureGraphics(form)) return;
    plat::Device& device = *g_dialog.device;
    device.BeginScene();
    device.Clear(kFace);
    g_dialog.sprite->Begin(plat::SPRITE_ALPHABLEND);
    g_dialog.sprite->SetTransform(plat::MatrixIdentity());
    for (const DialogControl* label : {&form.Label1, &form.Label2})
        if (label->visible) Text(label->caption, label->left, label->top, 300, 16, kText);
    DrawCombo(form.ComboBox1, g_focus == form.ComboBox1.tabOrder);
    DrawCombo(form.ComboBox2, g_focus == form.ComboBox2.tabOrder);
    for (DialogControl* b : {&form.Button1, &form.Button2, &form.Button3}) {
        bool pressed = g_pressed == b->tabOrder && g_pressedInside;
        DrawButton(*b, g_focus == b->tabOrder, pressed);
    }
    DrawList(form.ComboBox1);
    DrawList(form.ComboBox2);
    g_dialog.sprite->End();
    device.EndScene();
    device.Present();
    EndShownTextFrame();
}

void HandleDialogEvent(TForm1& form, const plat::Window::DialogEvent& e) {
    DialogComboBox* open = DroppedCombo(form);
    using Kind = plat::Window::DialogEvent::Kind;
    switch (e.kind) {
        case Kind::MouseMove: {
            g_mouseX = e.x;
            g_mouseY = e.y;
            if (open) {
                int i = ListItemAt(*open, e.x, e.y);
                if (i >= 0) g_listHot = i;
            }
            if (g_pressed >= 0) {
                DialogControl* b = ControlByTab(form, g_pressed);
                g_pressedInside = b && Inside(*b, e.x, e.y);
            }
            break;
        }
        case Kind::MouseDown: {
            if (e.button != 0) break;
            if (open) {
                int i = ListItemAt(*open, e.x, e.y);
                if (i >= 0) open->itemIndex = i;
                open->dropped = false;
                if (i >= 0 || Inside(*open, e.x, e.y)) break;
            }
            bool opened = false;
            for (DialogComboBox* combo : {&form.ComboBox1, &form.ComboBox2}) {
                if (combo->enabled && combo->visible && Inside(*combo, e.x, e.y)) {
                    g_focus = combo->tabOrder;
                    combo->dropped = true;
                    g_listHot = combo->itemIndex;
                    opened = true;
                }
            }
            if (opened) break;
            for (DialogControl* b : {&form.Button1, &form.Button2, &form.Button3}) {
                if (Focusable(b) && Inside(*b, e.x, e.y)) {
                    g_focus = b->tabOrder;
                    g_pressed = b->tabOrder;
                    g_pressedInside = true;
                }
            }
            break;
        }
        case Kind::MouseUp: {
            if (e.button != 0 || g_pressed < 0) break;
            int tab = g_pressed;
            DialogControl* b = ControlByTab(form, tab);
            bool inside = b && Inside(*b, e.x, e.y);
            g_pressed = -1;
            g_pressedInside = false;
            if (inside) ClickButton(form, tab);
            break;
        }
        case Kind::KeyDown: {
            const int key = e.dik;
            DialogComboBox* combo = ComboByTab(form, g_focus);
            const int count = combo ? static_cast<int>(combo->items.size()) : 0;
            if (key == plat::DIK::TAB) {
                if (open) open->dropped = false;
                MoveFocus(form, e.shift ? -1 : 1);
            } else if (key == plat::DIK::RETURN || key == plat::DIK::SPACE) {
                if (combo) {
                    if (combo->dropped) combo->itemIndex = g_listHot;
                    else g_listHot = combo->itemIndex;
                    combo->dropped = !combo->dropped;
                } else {
                    ClickButton(form, g_focus);
                }
            } else if (key == plat::DIK::UP || key == plat::DIK::DOWN || key == plat::DIK::LEFT ||
                       key == plat::DIK::RIGHT) {
                const int step = (key == plat::DIK::UP || key == plat::DIK::LEFT) ? -1 : 1;
                if (combo && combo->dropped) {
                    if (key == plat::DIK::UP || key == plat::DIK::DOWN)
                        g_listHot = std::min(count - 1, std::max(0, g_listHot + step));
                } else if (combo) {
                    combo->itemIndex = std::min(count - 1, std::max(0, combo->itemIndex + step));
                } else {
                    MoveFocus(form, step);
                }
            }
            // Escape, like every other key, does nothing here.
            break;
        }
        default:
            break;
    }
    if (!form.closing()) ApplyChosenLanguage(form);
}

bool ReadDialogPicture(std::vector<uint32_t>& pixels, int* width, int* height) {
    if (!g_dialog.device || !g_dialog.device->ReadBackBuffer(pixels)) return false;
    if (width) *width = g_dialog.device->width();
    if (height) *height = g_dialog.device->height();
    return true;
}

void ReleaseSettingsDialog() {
    g_dialog.white.reset();
    g_dialog.font.reset();
    g_dialog.sprite.reset();
    g_dialog.device.reset();
}
