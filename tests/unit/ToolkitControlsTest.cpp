#include "fakes/HeadlessTestBackend.h"
#include "toolkit/Button.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/GlyphButton.h"
#include "toolkit/Label.h"
#include "toolkit/Panel.h"
#include "toolkit/RadioButton.h"
#include "toolkit/RadioGroup.h"
#include "toolkit/ScopedBackend.h"
#include "toolkit/UpDown.h"

#include <gtest/gtest.h>

namespace {

class ToolkitControlsTest : public ::testing::Test {
protected:
    HeadlessTestBackend backend;
    tk::ScopedBackend scope{backend};
    tk::Form form{"Form"};
    tk::Panel panel{"Panel", form};
};

} // namespace

TEST_F(ToolkitControlsTest, ControlsAreVisibleAndFoundByNameAndKind) {
    tk::Edit edit("ExecCmdEdit", panel);
    tk::Label label("ExecCmdLabel", panel);
    EXPECT_TRUE(edit.visible());
    EXPECT_EQ(form.findAs<tk::Edit>("ExecCmdEdit"), &edit);
    EXPECT_EQ(form.findAs<tk::Edit>("ExecCmdLabel"), nullptr);
    EXPECT_EQ(edit.form(), &form);
}

TEST_F(ToolkitControlsTest, ContainerWindowIsMadeWithItsChildrensInsideIt) {
    tk::Edit edit("Edit", panel);
    edit.setBounds({96, 6, 297, 20});
    edit.setText("notepad.exe");
    platform::Handle window = edit.handle();
    EXPECT_TRUE(form.handleAllocated());
    EXPECT_TRUE(panel.handleAllocated());
    const tk::HeadlessWindow* made = backend.window(window);
    EXPECT_EQ(made->owner(), panel.handle());
    EXPECT_EQ(made->text(), "notepad.exe");
    EXPECT_EQ(made->bounds(), (tk::Rect{96, 6, 297, 20}));
    EXPECT_TRUE(made->visible());
}

TEST_F(ToolkitControlsTest, UntouchedDataTextGivesBackItsBytes) {
    tk::Edit edit("Edit", panel);
    std::string bytes = "C:\\\xE9t\xE9\\a\x81.exe";
    edit.setAnsiText(bytes);
    EXPECT_EQ(edit.ansiText(), bytes);
    edit.textEdited(edit.text() + "x");
    EXPECT_EQ(edit.ansiText(), bytes + "x");
    edit.setText("plain");
    EXPECT_EQ(edit.ansiText(), "plain");
}

TEST_F(ToolkitControlsTest, TypedCharactersPassTheKeyPressEventFirst) {
    tk::Edit edit("Edit", panel);
    std::u32string seen;
    int changes = 0;
    edit.onChange = [&] { ++changes; };
    edit.onKeyPress = [&](char32_t& key) {
        seen += key;
        if (key == U'!')
            key = 0;
        if (key == U'a')
            key = U'A';
    };
    for (char32_t key : std::u32string(U"a!bé\b"))
        edit.typeChar(key);
    EXPECT_EQ(seen, U"a!bé\b");
    EXPECT_EQ(edit.text(), "Ab");
    EXPECT_EQ(changes, 4);
    edit.setReadOnly(true);
    edit.typeChar(U'c');
    EXPECT_EQ(edit.text(), "Ab");
}

TEST_F(ToolkitControlsTest, RadioButtonsOfOneParentFormAGroupAndReportBeingChecked) {
    tk::RadioButton first("First", panel), second("Second", panel);
    tk::Panel other{"Other", form};
    tk::RadioButton elsewhere("Elsewhere", other);
    std::vector<std::string> clicks;
    for (tk::RadioButton* button : {&first, &second, &elsewhere})
        button->onClick = [&clicks, button] { clicks.push_back(button->name()); };
    first.setChecked(true);
    elsewhere.click();
    second.click();
    second.click();
    EXPECT_FALSE(first.checked());
    EXPECT_TRUE(second.checked());
    EXPECT_TRUE(elsewhere.checked());
    EXPECT_EQ(clicks, (std::vector<std::string>{"First", "Elsewhere", "Second"}));
}

TEST_F(ToolkitControlsTest, RadioGroupMakesItsButtonsAndReportsItemChanges) {
    tk::RadioGroup group("SizeGroup", panel);
    group.setItems({"通常", "最小化", "最大化"});
    int clicks = 0;
    group.onClick = [&] { ++clicks; };
    EXPECT_EQ(group.itemIndex(), -1);
    group.setItemIndex(0);
    group.button(2)->click();
    group.setItemIndex(2);
    EXPECT_EQ(group.itemIndex(), 2);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(form.findAs<tk::RadioButton>("SizeGroup.Item1")->caption(), "最小化");
    group.setItemIndex(7);
    EXPECT_EQ(group.itemIndex(), -1);
    EXPECT_FALSE(group.button(2)->checked());
    group.setEnabled(false);
    EXPECT_FALSE(group.button(0)->enabled());
}

TEST_F(ToolkitControlsTest, RadioGroupLaysOutItsButtonsInColumns) {
    tk::RadioGroup group("BindGroup", panel);
    group.setBounds({16, 192, 425, 121});
    group.setColumns(2);
    group.setItems(std::vector<std::string>(11, "item"));
    EXPECT_EQ(group.button(0)->bounds(), (tk::Rect{8, 14, 207, 17}));
    EXPECT_EQ(group.button(5)->bounds(), (tk::Rect{8, 99, 207, 17}));
    EXPECT_EQ(group.button(10)->bounds(), (tk::Rect{215, 82, 207, 17}));
    group.setBounds({32, 76, 361, 33});
    group.setColumns(5);
    group.setItems({"a", "b", "c"});
    EXPECT_EQ(group.button(2)->bounds(), (tk::Rect{148, 13, 70, 16}));
}

TEST_F(ToolkitControlsTest, UpDownKeepsItsRangeAndWritesItsEdit) {
    tk::Edit edit("Edit", panel);
    tk::UpDown upDown("UpDown", panel);
    EXPECT_EQ(upDown.max(), 100);
    upDown.setRange(10, 31);
    upDown.setAssociate(&edit);
    EXPECT_EQ(upDown.position(), 10);
    EXPECT_EQ(edit.text(), "10");
    upDown.step(-1);
    EXPECT_EQ(edit.text(), "10");
    upDown.setIncrement(5);
    for (int i = 0; i < 5; ++i)
        upDown.step(1);
    EXPECT_EQ(upDown.position(), 31);
    upDown.setWrap(true);
    upDown.step(1);
    EXPECT_EQ(edit.text(), "10");
    upDown.setPosition(-4);
    EXPECT_EQ(upDown.position(), 10);
}

TEST_F(ToolkitControlsTest, UpDownAndEditForgetEachOtherWhenOneGoes) {
    auto edit = std::make_unique<tk::Edit>("Edit", panel);
    tk::UpDown upDown("UpDown", panel);
    upDown.setAssociate(edit.get());
    EXPECT_EQ(edit->upDown(), &upDown);
    edit.reset();
    EXPECT_EQ(upDown.associate(), nullptr);
    upDown.step(1);
}

TEST_F(ToolkitControlsTest, DisabledGlyphIsTheEmbossedPictureUnlessOneIsGiven) {
    tk::Glyph dots({"k.k", "..."}, {{'k', 0x000000}});
    tk::Glyph::Pixel shadow = tk::Glyph::system(tk::SysColor::BtnShadow);
    tk::Glyph::Pixel light = tk::Glyph::system(tk::SysColor::BtnHighlight);
    tk::GlyphButton button("KeyFolderButtonA", panel);
    button.setGlyph(dots);
    EXPECT_EQ(button.shownGlyph(), dots);
    button.setEnabled(false);
    const tk::Glyph& shown = button.shownGlyph();
    EXPECT_EQ(shown.pixel(0, 0), shadow);
    EXPECT_EQ(shown.pixel(2, 0), shadow);
    EXPECT_EQ(shown.pixel(1, 1), light);
    EXPECT_EQ(shown.pixel(1, 0), tk::Glyph::kTransparent);
    tk::Glyph grey({"g"}, {{'g', 0x808080}});
    button.setDisabledGlyph(grey);
    EXPECT_EQ(button.shownGlyph(), grey);
}

TEST_F(ToolkitControlsTest, GlyphKeepsLightPixelsOutOfTheEmbossedPicture) {
    tk::Glyph folder({"kyw"}, {{'k', 0x000000}, {'y', 0xF0D060}, {'w', 0xFFFFFF}});
    tk::Glyph embossed = folder.embossed();
    EXPECT_EQ(embossed.pixel(0, 0), tk::Glyph::system(tk::SysColor::BtnShadow));
    EXPECT_EQ(embossed.pixel(1, 0), tk::Glyph::kTransparent);
    EXPECT_EQ(embossed.pixel(2, 0), tk::Glyph::kTransparent);
    tk::Glyph ink({"k"}, {{'k', tk::Glyph::system(tk::SysColor::BtnText)}});
    EXPECT_EQ(ink.embossed().pixel(0, 0), tk::Glyph::system(tk::SysColor::BtnShadow))
        << "ink in the text colour, whatever the scheme makes of it";
}

TEST_F(ToolkitControlsTest, PanelTakesClicksButNeverTheFocus) {
    int clicks = 0;
    panel.onClick = [&] { ++clicks; };
    panel.click();
    form.show();
    panel.setFocus();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(form.focusedControl(), nullptr);
}
