#include "ui/wnd.h"

#include <gtest/gtest.h>

#include <memory>

#include "ui/button.h"
#include "ui/message_box.h"
#include "ui/test_host.h"

namespace tq::ui {
namespace {

using testing::TestHost;

TEST(Wnd, TheObjectOwnsItsWindowAndForgetsAWindowDestroyedWithItsParent) {
  TestHost host;
  auto first = std::make_unique<Button>();
  first->Create(host.form, {0, 0, 75, 25}, "One");
  const HWND firstHandle = first->Handle();
  EXPECT_EQ(Wnd::FromHandle(firstHandle), first.get());
  first.reset();
  EXPECT_FALSE(IsWindow(firstHandle)) << "destroying the object destroys its window";

  Button second;
  second.Create(host.form, {0, 0, 75, 25}, "Two");
  const HWND secondHandle = second.Handle();
  host.form.Destroy();
  EXPECT_FALSE(IsWindow(secondHandle));
  EXPECT_FALSE(second) << "the control learnt that its window went with the form";
  EXPECT_EQ(Wnd::FromHandle(secondHandle), nullptr);
}

TEST(Application, HiddenWindowCaptionedWithTheTitleOwnsTheMainWindowJustBelowIt) {
  Application app("Tavrin Quillet Unit");
  Form main;
  main.Create({.caption = "Tavrin Quillet Unit ", .width = 463, .height = 427, .owner = app.Handle()});
  main.Show();
  EXPECT_FALSE(IsWindowVisible(app.Handle()));
  EXPECT_EQ(FindWindowA(nullptr, "Tavrin Quillet Unit"), app.Handle());
  EXPECT_EQ(GetWindow(main.Handle(), GW_OWNER), app.Handle());
  EXPECT_EQ(GetWindow(app.Handle(), GW_HWNDPREV), main.Handle());
  EXPECT_EQ(app.Title(), "Tavrin Quillet Unit");
  EXPECT_EQ(ApplicationTitleOf(main.Handle()), "Tavrin Quillet Unit") << "the title the error box shows";
}

TEST(Application, RunEndsWithTheExitCodeOfTerminate) {
  Application app("Quillet Run");
  PostMessageW(app.Handle(), WM_NULL, 0, 0);
  Application::Terminate(3);
  EXPECT_EQ(app.Run(), 3);
}

}  // namespace
}  // namespace tq::ui
