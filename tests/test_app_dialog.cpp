// The settings dialog's controls and its keyboard and mouse handling (no drawing).
#include <gtest/gtest.h>

#include "app/form.h"
#include "app/settings_dialog.h"
#include "platform/input.h"

namespace {

using Event = plat::Window::DialogEvent;

Event Key(int dik, bool shift = false) {
    Event e;
    e.kind = Event::KeyDown;
    e.dik = dik;
    e.shift = shift;
    return e;
}

Event Mouse(Event::Kind kind, int x, int y) {
    Event e;
    e.kind = kind;
    e.x = x;
    e.y = y;
    return e;
}

TEST(SettingsDialog, ControlsHaveTheirTextsPlacesAndTabOrder) {
    TForm1 form;
    EXPECT_EQ(form.Label1.caption, "Выберите разрешение игры:");
    EXPECT_EQ(form.Label1.left, 16);
    EXPECT_EQ(form.Label1.top, 8);
    EXPECT_EQ(form.ComboBox1.items, (std::vector<std::string>{"800х600", "1024х768", "1280х1024"}));
    EXPECT_EQ(form.ComboBox1.itemIndex, 0);
    EXPECT_EQ(form.ComboBox1.left + form.ComboBox1.top * 1000 + form.ComboBox1.width * 1000000, 16 + 32000 + 145000000);
    EXPECT_EQ(form.ComboBox1.height, 21);
    EXPECT_EQ(form.Button1.caption, "Начать игру");
    EXPECT_EQ(form.Button1.left, 328);
    EXPECT_EQ(form.Button2.caption, "Выход");
    EXPECT_EQ(form.Button2.left, 248);
    for (const DialogControl* b : {&form.Button1, &form.Button2}) {
        EXPECT_EQ(b->top, 136);
        EXPECT_EQ(b->width, 75);
        EXPECT_EQ(b->height, 25);
    }
    EXPECT_EQ(form.Button1.tabOrder, 0);
    EXPECT_EQ(form.Button2.tabOrder, 1);
    EXPECT_EQ(form.ComboBox1.tabOrder, 2);
    EXPECT_EQ(DialogFocus(), 0);
}

TEST(SettingsDialog, TabWalksTheTabOrderBothWays) {
    TForm1 form;
    HandleDialogEvent(form, Key(plat::DIK::TAB));
    EXPECT_EQ(DialogFocus(), 1);
    HandleDialogEvent(form, Key(plat::DIK::TAB));
    EXPECT_EQ(DialogFocus(), 2);
    HandleDialogEvent(form, Key(plat::DIK::TAB));
    EXPECT_EQ(DialogFocus(), 3);   // the language list
    HandleDialogEvent(form, Key(plat::DIK::TAB));
    EXPECT_EQ(DialogFocus(), 4) << "the parents' button";
    HandleDialogEvent(form, Key(plat::DIK::TAB));
    EXPECT_EQ(DialogFocus(), 0);
    HandleDialogEvent(form, Key(plat::DIK::TAB, true));
    EXPECT_EQ(DialogFocus(), 4);
}

TEST(SettingsDialog, ArrowsChooseTheResolutionAndStopAtTheEnds) {
    TForm1 form;
    SetDialogFocus(2);
    HandleDialogEvent(form, Key(plat::DIK::DOWN));
    EXPECT_EQ(form.ComboBox1.itemIndex, 1);
    HandleDialogEvent(form, Key(plat::DIK::RIGHT));
    HandleDialogEvent(form, Key(plat::DIK::DOWN));
    EXPECT_EQ(form.ComboBox1.itemIndex, 2);
    HandleDialogEvent(form, Key(plat::DIK::UP));
    EXPECT_EQ(form.ComboBox1.itemIndex, 1);
    // Open the list, move in it, take the item with Enter.
    HandleDialogEvent(form, Key(plat::DIK::SPACE));
    EXPECT_TRUE(form.ComboBox1.dropped);
    HandleDialogEvent(form, Key(plat::DIK::UP));
    HandleDialogEvent(form, Key(plat::DIK::UP));
    EXPECT_EQ(form.ComboBox1.itemIndex, 1);   // not taken yet
    HandleDialogEvent(form, Key(plat::DIK::RETURN));
    EXPECT_FALSE(form.ComboBox1.dropped);
    EXPECT_EQ(form.ComboBox1.itemIndex, 0);
}

TEST(SettingsDialog, EscapeDoesNothing) {
    TForm1 form;
    SetDialogFocus(2);
    HandleDialogEvent(form, Key(plat::DIK::SPACE));
    HandleDialogEvent(form, Key(plat::DIK::ESCAPE));
    EXPECT_TRUE(form.ComboBox1.dropped);
    EXPECT_FALSE(form.closing());
    EXPECT_EQ(DialogFocus(), 2);
}

TEST(SettingsDialog, ExitByKeyboardClosesTheWindow) {
    TForm1 form;
    Form1 = &form;
    HandleDialogEvent(form, Key(plat::DIK::TAB));
    HandleDialogEvent(form, Key(plat::DIK::RETURN));
    EXPECT_TRUE(form.closing());
    Form1 = nullptr;
}

TEST(SettingsDialog, MouseOpensTheListPicksAnItemAndClicksExit) {
    TForm1 form;
    HandleDialogEvent(form, Mouse(Event::MouseDown, 100, 40));
    EXPECT_TRUE(form.ComboBox1.dropped);
    EXPECT_EQ(DialogFocus(), 2);
    // Third item: the list starts under the box, one row of 16 per item.
    HandleDialogEvent(form, Mouse(Event::MouseDown, 60, 32 + 21 + 1 + 2 * 16 + 8));
    EXPECT_FALSE(form.ComboBox1.dropped);
    EXPECT_EQ(form.ComboBox1.itemIndex, 2);

    // A press on Exit that is released elsewhere does not click.
    HandleDialogEvent(form, Mouse(Event::MouseDown, 260, 140));
    EXPECT_EQ(DialogFocus(), 1);
    HandleDialogEvent(form, Mouse(Event::MouseMove, 10, 10));
    HandleDialogEvent(form, Mouse(Event::MouseUp, 10, 10));
    EXPECT_FALSE(form.closing());
    HandleDialogEvent(form, Mouse(Event::MouseDown, 260, 140));
    HandleDialogEvent(form, Mouse(Event::MouseUp, 261, 141));
    EXPECT_TRUE(form.closing());
}

}  // namespace

namespace {

TEST(SettingsDialogPicture, TheDialogIsDrawnInItsWindow) {
    TForm1 form;
    plat::WindowOptions options;
    options.headless = true;
    std::string error;
    ASSERT_TRUE(form.window.Create(options, 418, 179, "Стройлик (Настройка)", error)) << error;
    DrawSettingsDialog(form);
    std::vector<uint32_t> pixels;
    ASSERT_TRUE(ReadDialogPicture(pixels));
    ASSERT_EQ(pixels.size(), 418u * 179u);
    auto at = [&](int x, int y) { return pixels[static_cast<size_t>(y) * 418 + x] & 0xFFFFFF; };
    const uint32_t face = at(400, 100);   // empty dialog area
    EXPECT_EQ(face, at(5, 170));
    EXPECT_NE(face, 0u);
    // Inside the list box, left of its text: white.
    EXPECT_EQ(at(18, 43), 0xFFFFFFu);
    EXPECT_NE(at(18, 43), face);
    // Some dark pixels of text in the label's line and in each button.
    auto darkIn = [&](int x0, int y0, int x1, int y1) {
        int dark = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) {
                uint32_t p = at(x, y);
                if (((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF) < 200) ++dark;
            }
        return dark;
    };
    EXPECT_GT(darkIn(16, 8, 200, 24), 20);
    EXPECT_GT(darkIn(252, 142, 320, 158), 10);
    EXPECT_GT(darkIn(332, 142, 400, 158), 10);
    ReleaseSettingsDialog();
}

}  // namespace
