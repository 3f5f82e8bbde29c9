#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

#include "platform/common/SettingsText.h"
#include "platform/common/WholeFileProfile.h"

namespace tallowmere::platform {
namespace {

TEST(SettingsText, EditsKeepEverythingElseAsItWas) {
  SettingsText document(
      "junk line\n; comment\r\n[A]\nx = 1 \n\n[B]\ny=2\n"
      "\n");
  EXPECT_EQ(document.get("a", "X"), "1");
  document.set("A", "z", "3");
  document.set("b", "Y", "4");
  document.set("C", "w", "5");
  document.remove("A", "x");
  EXPECT_EQ(document.text(),
            "junk line\r\n; comment\r\n[A]\r\nz=3\r\n\r\n[B]\r\ny=4\r\n\r\n[C]\r\nw=5\r\n");
  EXPECT_FALSE(document.get("C", "missing"));
  EXPECT_FALSE(document.get("Nope", "w"));
}

TEST(SettingsText, RemovingAKeyRemovesEveryCopyOfIt) {
  SettingsText document("[Main]\nXPos=\nYPos=1\nxpos=6\n[Other]\nXPos=7\n");
  document.remove("Main", "XPos");
  EXPECT_FALSE(document.get("Main", "XPos"));
  EXPECT_EQ(document.get("Other", "XPos"), "7");
  EXPECT_EQ(document.text(), "[Main]\r\nYPos=1\r\n[Other]\r\nXPos=7\r\n");
}

TEST(SettingsText, OddBytesNeverBreakParsing) {
  constexpr char bytes[] = "[\0]=\n[[[\n=\n]x[\n\xff\xfe=\xfd\n[A\nk=v";
  const std::string garbage(bytes, sizeof bytes - 1);
  SettingsText document(garbage);
  document.set("A", "k", "new");
  EXPECT_EQ(document.get("A", "k"), "new");
}

// Files as texts in memory, so a test sees every time a file's text is replaced.
class MemoryTexts : public WholeFileProfile {
 public:
  std::map<std::string, std::string, std::less<>> texts;
  int saves = 0;

 protected:
  std::optional<std::string> loadText(std::string_view file) override {
    const auto found = texts.find(file);
    return found == texts.end() ? std::string() : found->second;
  }
  void saveText(std::string_view file, std::string_view text) override {
    texts.insert_or_assign(std::string(file), std::string(text));
    ++saves;
  }
};

TEST(WholeFileProfile, AFileIsReplacedOnlyForARealChange) {
  MemoryTexts profile;
  const std::string text = "[S]\nKey=v\nkey=w\n";
  profile.texts["T.INI"] = text;
  profile.write("T.INI", "s", "KEY", "v");
  profile.remove("T.INI", "S", "Missing");
  EXPECT_EQ(profile.saves, 0);
  // A read finds the first copy of a key, so the second one's value is still a change.
  profile.write("T.INI", "S", "Key", "w");
  EXPECT_EQ(profile.texts["T.INI"], "[S]\r\nKey=w\r\nkey=w\r\n");
  EXPECT_EQ(profile.read("T.INI", "s", "KEY", "d"), "w");
}

}  // namespace
}  // namespace tallowmere::platform
