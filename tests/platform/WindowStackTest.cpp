// The stack of open windows every front end keeps, and where a window opening over it goes.
#include <gtest/gtest.h>

#include <cstdint>

#include "app/MainWindow.h"
#include "framework/process/ProgressWindow.h"
#include "platform/common/WindowStack.h"
#include "runtime/ui/Window.h"

namespace tallowmere::platform {
namespace {

// A window's place on one axis, as a front end keeps it.
struct Span {
  int start = 0;
  int length = 0;
};

TEST(WindowStack, TheTopWindowIsTheOneANewWindowIsCentredOver) {
  runtime::Window main(app::MainWindowDescription());
  std::uint8_t thermometer = 0;
  runtime::Window progress(framework::ProgressWindow(thermometer));
  WindowStack<Span> stack;
  const Span screen{0, 80};
  const auto spanOf = [](const auto& open) { return open.kept; };

  // The first window goes over the screen, half a unit left over given to the far side.
  EXPECT_EQ(stack.areaToCentreOn(screen, spanOf).length, 80);
  EXPECT_EQ(centredStart(screen.start, screen.length, 61), 9);
  stack.push(main, {9, 61});
  stack.push(progress, {22, 35});
  EXPECT_TRUE(stack.isTop(progress));
  EXPECT_EQ(stack.bottom().window, &main);
  EXPECT_EQ(stack.areaToCentreOn(screen, spanOf).start, 22);

  // A window closed beneath another leaves the top where it was; closed twice, it is gone.
  EXPECT_EQ(stack.remove(main)->start, 9);
  EXPECT_FALSE(stack.remove(main));
  EXPECT_EQ(stack.find(main), nullptr);
  EXPECT_TRUE(stack.isTop(progress));
  EXPECT_EQ(stack.find(progress)->length, 35);
  stack.remove(progress);
  EXPECT_TRUE(stack.empty());
}

}  // namespace
}  // namespace tallowmere::platform
