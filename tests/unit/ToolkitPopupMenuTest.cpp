#include "fakes/HeadlessTestBackend.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Messages.h"
#include "toolkit/PopupMenu.h"
#include "toolkit/ScopedBackend.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

class TrayForm : public tk::Form {
public:
    TrayForm() : Form("TrayForm") {
        for (const char* name : {"DefineMenuItem", "HelpMenuItem", "N1", "ExitMenuItem"}) {
            std::string item = name;
            menu.add(item, item == "N1" ? "-" : item + " ...",
                     [this, item] { clicked.push_back(item); });
        }
    }
    tk::PopupMenu menu{"MainPopupMenu", *this};
    std::vector<std::string> clicked;
    int nullMessages = 0;

protected:
    bool beforeToolkit(unsigned msg, std::uintptr_t, std::intptr_t, std::intptr_t&) override {
        nullMessages += msg == tk::msg::kNull;
        return false;
    }
};

class ToolkitPopupMenuTest : public ::testing::Test {
protected:
    HeadlessTestBackend backend;
    tk::ScopedBackend scope{backend};
    tk::Application& app = tk::Application::instance();
    TrayForm& form = app.createForm<TrayForm>();
};

} // namespace

TEST_F(ToolkitPopupMenuTest, ItemsKeepTheirOrderAndAreFoundByName) {
    const auto& items = form.menu.items();
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0]->name(), "DefineMenuItem");
    EXPECT_EQ(items[3]->caption(), "ExitMenuItem ...");
    EXPECT_TRUE(items[2]->isSeparator());
    EXPECT_FALSE(items[0]->isSeparator());
    EXPECT_EQ(form.menu.find("HelpMenuItem"), items[1].get());
    EXPECT_EQ(form.menu.find("Missing"), nullptr);
    EXPECT_EQ(&form.menu.owner(), &form);
}

TEST_F(ToolkitPopupMenuTest, ClickRunsOnlyThatItemsHandler) {
    form.menu.find("HelpMenuItem")->click();
    form.menu.find("N1")->click();
    EXPECT_EQ(form.clicked, std::vector<std::string>{"HelpMenuItem"});
    tk::MenuItem bare("Bare", "Bare");
    bare.click();
}

TEST_F(ToolkitPopupMenuTest, ExceptionInAClickHandlerIsShownAndDoesNotEscape) {
    app.setTitle("Lumaro");
    form.menu.find("DefineMenuItem")->onClick = [] { throw std::runtime_error("保存できません"); };
    EXPECT_NO_THROW(form.menu.find("DefineMenuItem")->click());
    EXPECT_EQ(backend.errorBoxes(),
              (std::vector<HeadlessTestBackend::ErrorBox>{{"保存できません", "Lumaro"}}));
}

TEST_F(ToolkitPopupMenuTest, PopupIsShownWhereAskedOwnedByTheFormThenTheOwnerGetsANullMessage) {
    form.menu.popup(1014, 758);
    ASSERT_EQ(backend.menusShown().size(), 1u);
    const auto& shown = backend.menusShown()[0];
    EXPECT_EQ(shown.menu, "MainPopupMenu");
    EXPECT_EQ(shown.owner, form.handle());
    EXPECT_EQ(shown.x, 1014);
    EXPECT_EQ(shown.y, 758);
    EXPECT_TRUE(form.clicked.empty()) << "dismissed without a driver";
    EXPECT_EQ(form.nullMessages, 0);
    app.processMessages();
    EXPECT_EQ(form.nullMessages, 1);
}

TEST_F(ToolkitPopupMenuTest, TheItemTheUserChoosesIsClickedOnce) {
    std::vector<std::string> offered;
    backend.setMenuDriver([&](const tk::PopupMenu& menu) {
        offered.push_back(menu.name());
        return offered.size() == 1 ? "ExitMenuItem" : "Nonexistent";
    });
    EXPECT_TRUE(form.menu.popup(0, 0));
    EXPECT_EQ(form.clicked, std::vector<std::string>{"ExitMenuItem"});
    EXPECT_FALSE(form.menu.popup(0, 0)) << "no such item: closed without a choice";
    EXPECT_EQ(form.clicked, std::vector<std::string>{"ExitMenuItem"});
    EXPECT_EQ(offered.size(), 2u);
}

TEST_F(ToolkitPopupMenuTest, AHandlerMayFreeTheMenuThatRanIt) {
    auto menu = std::make_unique<tk::PopupMenu>("Transient", form);
    bool ran = false;
    menu->add("Close", "Close", [&] {
        menu.reset();
        ran = true;
    });
    backend.setMenuDriver([](const tk::PopupMenu&) { return "Close"; });
    menu->popup(5, 5);
    EXPECT_TRUE(ran);
    EXPECT_EQ(menu, nullptr);
}
