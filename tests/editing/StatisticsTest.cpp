#include "tests/editing/EditingFixture.h"

namespace {

class Statistics : public EditingFixture {};

TEST_F(Statistics, ReportsLineSizesByteForByte) {
    Select({"{10}{20}Hello|world", "{10}{20}{y:i}Hi|abc def |3|4|5|6|7|8"}, 0);
    form.PropriedadesClick();
    form.ListBox1.ItemIndex = 1;
    form.CurrentLanguage = 1;
    form.PropriedadesClick();
    EXPECT_EQ(fake.dialogs.Messages(),
              (std::vector<std::string>{"Sizes of the lines\r\n------------------------\r\n"
                                        "Line 1 = 5\r\nLine 2 = 5\r\nLine 3 = 0\r\nLine 4 = 0\r\n"
                                        "Line 5 = 0\r\nLine 6 = 0\r\nRemaining portion = 0\r\n"
                                        "------------------------\r\n",
                                        "Tamanhos das linhas\r\n------------------------\r\n"
                                        "Linha 1 = 7\r\nLinha 2 = 8\r\nLinha 3 = 1\r\nLinha 4 = 1\r\n"
                                        "Linha 5 = 1\r\nLinha 6 = 1\r\nResto = 3\r\n"
                                        "------------------------\r\n"}));
    form.ListBox1.ItemIndex = -1;
    fake.dialogs.AllowErrors();
    form.Run(&TForm1::PropriedadesClick);
    EXPECT_EQ(fake.dialogs.Errors(), std::vector<std::string>{"List index out of bounds (-1)"});
    EXPECT_EQ(fake.dialogs.Messages().size(), 2u);
}

TEST_F(Statistics, StatusBarLinksTheWebSiteBetween280And440) {
    const std::string addresses = "Official website:\r\n   http://lumavert.example.org\r\n"
                                  "   http://www.lumavert.example.org\r\n   http://lumavert.example.net\r\n"
                                  "   http://lumavert.example.com\r\n";
    for (const auto &[x, left, inside] :
         {std::tuple{280, true, false}, std::tuple{281, true, true}, std::tuple{439, true, true},
          std::tuple{440, true, false}, std::tuple{300, false, true}}) {
        fake.dialogs.ClearBoxes();
        fake.launcher.opened.clear();
        form.StatusBar1.MouseX = x;
        form.StatusBar1.LeftButton = left;
        form.StatusBar1MouseMove();
        EXPECT_EQ(form.StatusBar1.HandPoint, inside) << x;
        form.StatusBar1MouseDown();
        const bool opens = left && inside;
        EXPECT_EQ(fake.dialogs.Messages(),
                  opens ? std::vector<std::string>{addresses} : std::vector<std::string>{});
        EXPECT_EQ(fake.launcher.opened, opens ? std::vector<std::string>{"http://lumavert.example.org"}
                                              : std::vector<std::string>{})
            << x;
    }
    EXPECT_TRUE(fake.launcher.started.empty());
}

} // namespace
