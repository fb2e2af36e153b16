#include "settings/path_encoding.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace kolvar::settings {
namespace {

// "C:\Программы\Тёмп №2\keeper.log" in Windows-1251 and in UTF-8.
const std::string kCp1251Path =
    "C:\\\xCF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xFB\\\xD2\xB8\xEC\xEF \xB9"
    "2\\keeper.log";
const std::string kUtf8Path = "C:\\Программы\\Тёмп №2\\keeper.log";

TEST(DecodePathLine, Windows1251BecomesUtf8) {
  EXPECT_EQ(decode_path_line(kCp1251Path), kUtf8Path);
}

TEST(DecodePathLine, Utf8AndAsciiPassUnchanged) {
  EXPECT_EQ(decode_path_line(kUtf8Path), kUtf8Path);
  EXPECT_EQ(decode_path_line("C:\\Program Files\\Temp. Keeper\\Logs\\keeper.log"),
            "C:\\Program Files\\Temp. Keeper\\Logs\\keeper.log");
  EXPECT_EQ(decode_path_line(""), "");
}

TEST(DecodePathLine, MalformedUtf8IsReadAsWindows1251) {
  // Overlong slash, a surrogate, and a sequence cut short at the line's end.
  EXPECT_EQ(decode_path_line("\xC0\xAF"), "АЇ");
  EXPECT_EQ(decode_path_line("\xED\xA0\x80"), "н\u00A0Ђ");
  EXPECT_EQ(decode_path_line("a\xD0"), "aР");
}

TEST(DecodePathLine, FormsBeyondUnicodeAreReadAsWindows1251) {
  // A 4-byte form past U+10FFFF, and old 5- and 6-byte forms: no UTF-8.
  EXPECT_EQ(decode_path_line("\xF6\xB9\x9E\x8B"), "ц№ћ‹");
  EXPECT_EQ(decode_path_line("\xF4\x90\x80\x80"), "фђ\u0402\u0402");
  EXPECT_EQ(decode_path_line("\xF8\x88\x80\x80\x80"), "ш€\u0402\u0402\u0402");
  EXPECT_EQ(decode_path_line("\xFC\x84\x80\x80\x80\x80"), "ь„\u0402\u0402\u0402\u0402");
  // The highest character there is stays as it is.
  EXPECT_EQ(decode_path_line("\xF4\x8F\xBF\xBF"), "\xF4\x8F\xBF\xBF");
}

TEST(DecodePathLine, ByteWithoutACharacterBecomesReplacementCharacter) {
  EXPECT_EQ(decode_path_line("\xCF\x98\xEE"), "П\uFFFDо");
}

TEST(DecodePathLine, AnyBytesGiveValidUtf8) {
  // Valid UTF-8 passes unchanged, so decoding a result again must not alter it.
  std::mt19937 random(7);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 200; ++round) {
    std::string raw;
    for (int i = 0; i < 40; ++i) raw.push_back(static_cast<char>(byte(random)));
    std::string decoded = decode_path_line(raw);
    ASSERT_EQ(decode_path_line(decoded), decoded);
  }
}

TEST(EncodePathLine, WritesUtf8) {
  EXPECT_EQ(encode_path_line(kUtf8Path), kUtf8Path);
}

}  // namespace
}  // namespace kolvar::settings
