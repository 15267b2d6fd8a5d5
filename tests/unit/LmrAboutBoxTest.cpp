#include "ui/LmrAboutBox.h"
#include "app/Lumaro.h"
#include "fakes/FakeSystem.h"
#include "toolkit/Application.h"
#include "ui/TLmrAboutBoxForm.h"

#include <gtest/gtest.h>

namespace {

class AboutBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        controller = std::make_unique<Lumaro>(controller);
        box = controller->aboutBox()->form();
    }
    FakeSystem os;
    std::unique_ptr<Lumaro> controller;
    TLmrAboutBoxForm* box = nullptr;
};

} // namespace

TEST_F(AboutBoxTest, ShowsProductVersionAndDate) {
    EXPECT_FALSE(box->visible());
    EXPECT_EQ(box->caption(), "バージョン情報");
    EXPECT_EQ(box->clientWidth(), 314);
    EXPECT_EQ(box->clientHeight(), 161);
    EXPECT_EQ(box->ProductName.caption(), "Lumaro");
    EXPECT_EQ(box->Version.caption(), "Version 4.00");
    EXPECT_EQ(box->Comments.caption(), "2004/06/08");
    EXPECT_TRUE(box->OKButton.isDefault());
    EXPECT_EQ(box->OKButton.bounds(), (tk::Rect{119, 124, 75, 25}));
}

TEST_F(AboutBoxTest, ThereIsOnlyEverOneBoxAndClosingHidesIt) {
    controller->showAboutBox();
    controller->showAboutBox();
    EXPECT_TRUE(box->visible());
    EXPECT_EQ(controller->aboutBox()->form(), box);
    size_t forms = tk::Application::instance().forms().size();
    box->OKButton.click();
    EXPECT_FALSE(box->visible());
    controller->showAboutBox();
    EXPECT_TRUE(box->visible());
    box->close();
    EXPECT_FALSE(box->visible());
    EXPECT_EQ(tk::Application::instance().forms().size(), forms);
}

TEST_F(AboutBoxTest, EnterAndEscapePressOk) {
    controller->showAboutBox();
    EXPECT_TRUE(box->OKButton.focused());
    box->keyDown(tk::Key::Enter);
    EXPECT_FALSE(box->visible());
    controller->showAboutBox();
    EXPECT_TRUE(box->keyDown(tk::Key::Escape));
    EXPECT_FALSE(box->visible());
}
