#include <gtest/gtest.h>

#include "platform/win32ui/WindowsMessageBox.h"

namespace tallowmere::platform {
namespace {

namespace Button = runtime::Button;

// The icon, the buttons and the default button reach Windows as the program asked for them.
TEST(WindowsMessageBoxTest, TheStyleCarriesTheIconButtonsAndDefaultButton) {
  const UINT notice =
      messageBoxStyle({"a|b", "Notice", runtime::Icon::Information, Button::OK, Button::OK});
  EXPECT_EQ(notice & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));
  EXPECT_EQ(notice & MB_TYPEMASK, static_cast<UINT>(MB_OK));

  const runtime::MessageBoxRequest question{"Replace?", "Question", runtime::Icon::Warning,
                                            Button::Yes | Button::No, Button::No};
  const UINT asksNo = messageBoxStyle(question);
  EXPECT_EQ(asksNo & MB_ICONMASK, static_cast<UINT>(MB_ICONWARNING));
  EXPECT_EQ(asksNo & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
  EXPECT_EQ(asksNo & MB_DEFMASK, static_cast<UINT>(MB_DEFBUTTON2));

  runtime::MessageBoxRequest asksYes = question;
  asksYes.defaultButton = Button::Yes;
  EXPECT_EQ(messageBoxStyle(asksYes) & MB_DEFMASK, static_cast<UINT>(MB_DEFBUTTON1));
}

}  // namespace
}  // namespace tallowmere::platform
