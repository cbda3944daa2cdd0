#include "convert/ReceiverProfiles.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(ReceiverProfiles, NamesStandAtTheirStoredIndexes) {
    const auto &names = ReceiverProfileNames();
    ASSERT_EQ(names.size(), 176u);
    struct Known {
        int index;
        std::string_view name;
    };
    for (const Known &known :
         {Known{0, "Firmware Brenwic"}, Known{1, "Firmware _Marrowen_"}, Known{2, "Firmware QRV"},
          Known{3, "Denver DVD-188"}, Known{4, "Denver DVD-228 "}, Known{5, "Denver DVD-438"},
          Known{56, "H & B DVD-4420 "}, Known{95, "Marvel&Louis DX-750 "}, Known{99, "Microsoft Xbox"},
          Known{125, "Rimax MPEG4 DivX DVD Multiplayer "}, Known{142, "Sony Playstation 2 "},
          Known{170, "Xwave 9100 "}, Known{171, "Yakumo DVD Master DX4 "}, Known{172, "Yamada DVX-5500 "},
          Known{173, "Yamada DVX-6000"}, Known{174, "Yamada DVX-6600"}, Known{175, "QRV"}}) {
        EXPECT_EQ(names[static_cast<std::size_t>(known.index)], known.name) << "index " << known.index;
    }
}

// A lost or doubled blank, or an entry dropped and another doubled, changes
// these counts.
TEST(ReceiverProfiles, NamesKeepTheirSingleTrailingBlanks) {
    int trailing = 0;
    std::set<std::string_view> distinct;
    for (std::string_view name : ReceiverProfileNames()) {
        ASSERT_FALSE(name.empty());
        EXPECT_NE(name.front(), ' ') << name;
        EXPECT_EQ(name.find("  "), std::string_view::npos) << name;
        trailing += name.back() == ' ';
        distinct.insert(name);
    }
    EXPECT_EQ(trailing, 147);
    EXPECT_EQ(distinct.size(), 176u);
}

TEST(ReceiverProfiles, OnlyTheTwoFirmwaresCarryLimits) {
    EXPECT_EQ(ReceiverProfileLimits(0), (ProfileLimits{2, 43, 86}));
    EXPECT_EQ(ReceiverProfileLimits(1), (ProfileLimits{3, 45, 135}));
    for (int index : {2, 5, 99, 175, -1, 176})
        EXPECT_EQ(ReceiverProfileLimits(index), std::nullopt) << index;
}

} // namespace
