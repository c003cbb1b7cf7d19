// Texts of the pages pinned as the GBK bytes a Windows under code page 936 shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "ui/license_page.h"
#include "ui/page_frame.h"
#include "ui/welcome_page.h"

namespace {

TEST(PageTexts, AreGbkBytes) {
  const struct {
    const char* text;
    const char* gbk;
  } cases[] = {
      {kPageTitle,
       "\xC7\xE0\xBA\xCC\xCD\xF8\xD2\xF4\xC0\xD6\xBA\xD0 V2.1 "
       "\xC2\xCC\xC9\xAB\xD6\xD0\xCE\xC4\xB0\xE6"},
      {"您确定要退出安装?", "\xC4\xFA\xC8\xB7\xB6\xA8\xD2\xAA\xCD\xCB\xB3\xF6\xB0\xB2\xD7\xB0?"},
      {"请先输入安装地址", "\xC7\xEB\xCF\xC8\xCA\xE4\xC8\xEB\xB0\xB2\xD7\xB0\xB5\xD8\xD6\xB7"},
      {"“", "\xA1\xB0"},  // a full-width quote of the welcome text
  };
  for (const auto& c : cases) EXPECT_STREQ(c.text, c.gbk);
}

TEST(PageTexts, WelcomeTextKeepsItsOwnLineBreaks) {
  const std::string text = WelcomePage::kWelcomeText;
  EXPECT_EQ(text.size(), 160u);
  EXPECT_NE(text.find("\r\n\r\n单击“取消”可关闭本程序。\r\n单击“下一步”继续进行安装。\r\n"),
            std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 8), "\r\n\r\n\r\n\r\n");
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2)
    lines.push_back(text.substr(start, at - start));
  lines.push_back(text.substr(start));
  return lines;
}

TEST(LicenseText, HasTheFormOfTheAgreement) {
  const std::string text = kLicenseText;
  EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);  // no bare line feed first
  EXPECT_EQ(text.find("\xEF\xBB\xBF"), std::string::npos);
  EXPECT_NE(text.substr(text.size() - 2), "\r\n");
  for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1))
    ASSERT_EQ(text[at - 1], '\r') << "bare line feed at " << at;
  const std::vector<std::string> lines = Lines(text);
  ASSERT_EQ(lines.size(), 45u);
  EXPECT_EQ(lines[0], "用户许可协议:");
  const std::vector<int> empty = {3, 5, 9, 13, 17, 20, 23, 26, 29, 33, 36, 39, 43};
  for (int n = 1; n <= 45; ++n) {
    bool should_be_empty = std::find(empty.begin(), empty.end(), n) != empty.end();
    EXPECT_EQ(lines[n - 1].empty(), should_be_empty) << "line " << n;
  }
  const struct {
    int line;
    const char* heading;
  } headings[] = {
      {6, "1.许可证的授予. 本《协议》授予您下列权利"},
      {7, "安装和使用: "},
      {10, "复制、分发和传播: "},
      {14, "2.其它权利和限制说明"},
      {37, "3.版权"},
      {40, "4.有限保证"},
      {41, "无保证."},
      {44, "对造成损失无责任."},
  };
  for (const auto& h : headings) EXPECT_EQ(lines[h.line - 1], h.heading) << h.line;
  for (const char* sub : {"禁止反向工程、反向编译和反向汇编: ", "组件的分隔: ", "软件产品转让: ",
                          "终止: ", "商标: ", "免费使用: ", "个别授权: "}) {
    EXPECT_NE(std::find(lines.begin() + 14, lines.begin() + 35, sub), lines.begin() + 35) << sub;
  }
}

}  // namespace
