#include "core/platform/ini_document.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

using namespace std::string_literals;

TEST(IniDocumentTest, SettingValuesChangesOnlyTheirOwnLines) {
  // A hand-edited file with everything a reader may trip over, none of it ours.
  const std::string before =
      "\xEF\xBB\xBF; kept comment\r\n"
      "[Config]\r\n"
      "Zoom=1.0\r\n"
      "Other=@Variant(\\0\\0\\0\\x7f)\r\n"
      "junk without equals \xff\xfe\r\n"
      "[Broken\r\n"
      "Zoom=9\r\n"
      "[Config]\r\n"
      "Zoom=2.0 ; hand note\r\n"
      "Name=\xC3\x28\r\n"
      "\r\n"
      "[Tail]\r\n"
      "Last=\x01\x02"s;
  IniDocument document(before);
  document.SetValue("Config", "Zoom", "7.5");
  document.SetValue("Config", "Orbit", "True");
  document.SetValue("UpdateInfo", "CurrentVersion", "1.01.0000");
  const std::string after =
      "\xEF\xBB\xBF; kept comment\r\n"
      "[Config]\r\n"
      "Zoom=1.0\r\n"
      "Other=@Variant(\\0\\0\\0\\x7f)\r\n"
      "junk without equals \xff\xfe\r\n"
      "[Broken\r\n"
      "Zoom=9\r\n"
      "[Config]\r\n"
      "Zoom=7.5\r\n"
      "Name=\xC3\x28\r\n"
      "Orbit=True\r\n"
      "\r\n"
      "[Tail]\r\n"
      "Last=\x01\x02\r\n"
      "\r\n"
      "[UpdateInfo]\r\n"
      "CurrentVersion=1.01.0000\r\n"s;
  EXPECT_EQ(document.Bytes(), after);
  EXPECT_EQ(IniDocument(before).Bytes(), before);
  EXPECT_EQ(IniDocument(after).Value("Broken", "Zoom"), "9");
  EXPECT_EQ(IniDocument(after).Value("Config", "Other"), "@Variant(\0\0\0\x7f)"s);
}

TEST(IniDocumentTest, AddedLinesNeverJoinTheirNeighbours) {
  // A line ending in a lone CR followed by one starting with LF would read as one line end.
  IniDocument appended("[UpdateInfo]\nA=1\r");
  appended.SetValue("Config", "Zoom", "1");
  EXPECT_EQ(appended.Bytes(), "[UpdateInfo]\nA=1\r\r[Config]\rZoom=1\r");
  IniDocument inserted("x\r[Config]\r\nA=1\r\n\n[B]");
  inserted.SetValue("Config", "Zoom", "1");
  EXPECT_EQ(inserted.Bytes(), "x\r[Config]\r\nA=1\r\nZoom=1\r\n\n[B]");
}

TEST(IniDocumentTest, EveryTextReadsBackAsSet) {
  for (const std::string& text :
       {""s, " 7 "s, "2,5"s, "a;b=c"s, "@Invalid()"s, "@String(x)"s, "@"s, "\"q\""s, "back\\"s,
        "\n\r\t\x01"
        "9"s,
        "\0"
        "1a"s,
        "\xff\xfe[x]"s, "\xE5\x9C\xB0"s, "\\x41"s}) {
    IniDocument document("[Config]\nZoom=\"unterminated\n[Broken\n\x01=\x02"s);
    document.SetValue("Config", "Zoom", text);
    document.SetValue("Config", "Orbit", text);
    const IniDocument reread(document.Bytes());
    EXPECT_EQ(reread.Value("Config", "Zoom"), text);
    EXPECT_EQ(reread.Value("Config", "Orbit"), text);
  }
}

}  // namespace
}  // namespace quorvane
