#pragma once

#include <array>
#include <optional>
#include <string_view>

// The players and PCs subtitles can be made for, in the order of ComboBox1.
// The stored "Receptor" setting refers to a profile by its index, so the
// order never changes.
constexpr int kReceiverProfileCount = 176;

// NOTE: 147 names end with one blank; they stay so, because the chosen
// profile's name goes into hints exactly as it stands in the box.
const std::array<std::string_view, kReceiverProfileCount> &ReceiverProfileNames();

// The limits a profile sets when it is chosen.
struct ProfileLimits {
    int LinesPerSubtitle;
    int MaxLineLength;
    int MaxTotalLength;
    friend bool operator==(const ProfileLimits &, const ProfileLimits &) = default;
};

// The limits of profiles 0 and 1; nothing for every other index, in range or not.
std::optional<ProfileLimits> ReceiverProfileLimits(int index);
