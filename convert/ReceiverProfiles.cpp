#include "convert/ReceiverProfiles.h"

namespace {

// Three firmwares and two players first, then the players of many makers in
// alphabetical order, and the last entry out of order.
constexpr std::array<std::string_view, kReceiverProfileCount> kNames{{
    "Firmware Brenwic",                  // 0
    "Firmware _Marrowen_",               // 1
    "Firmware QRV",                      // 2
    "Denver DVD-188",                    // 3
    "Denver DVD-228 ",                   // 4
    "Denver DVD-438",                    // 5
    "Addnew AN-DivX100 ",                // 6
    "Addnew AN-DivX300",                 // 7
    "Addnew AN-DivX400 ",                // 8
    "Addnew AN-DivX500 ",                // 9
    "Addnew AN-DivX600 ",                // 10
    "Addnew AN-DivX600B",                // 11
    "Airis L103B",                       // 12
    "Airis L103C ",                      // 13
    "Akai DV-PX7000 CDR",                // 14
    "Akura ACHTS02",                     // 15
    "Amitech DVD 704",                   // 16
    "Amoi NDP9200 CDR",                  // 17
    "Amstrad DX 3014 ",                  // 18
    "Amstrad DX 3016 ",                  // 19
    "Ascomtec DVD 3004 ",                // 20
    "Asono DVDX70 CDR",                  // 21
    "Atacom DV967 CDR",                  // 22
    "AVX X-100 ",                        // 23
    "BBK DVD-DL317 ",                    // 24
    "BBK DVD-DV969 ",                    // 25
    "BBK DVD-DV991 CDR",                 // 26
    "Bellagio AD-2020 ",                 // 27
    "Belson BSA-3600 ",                  // 28
    "Belson BSA-3700 ",                  // 29
    "BestBuy Easy Home DVD DV!",         // 30
    "BestBuy Easy Home DVD VX!",         // 31
    "Bravo D1 ",                         // 32
    "Bravo D2 ",                         // 33
    "Bravo D3 ",                         // 34
    "Bush 2523 ",                        // 35
    "Centrum Gemini 330 ",               // 36
    "Centrum Gemini 332 ",               // 37
    "Centrum Gemini 340 ",               // 38
    "Daewoo DV-1031 ",                   // 39
    "Dalton DVX-500 ",                   // 40
    "Dantax DVD920 ",                    // 41
    "Digisette DV-450 ",                 // 42
    "Digitrex GK-4000 ",                 // 43
    "DK Digital DVD-339 ",               // 44
    "DreamX-108 ",                       // 45
    "E-DEM D050 ",                       // 46
    "Elta 8882 ",                        // 47
    "Elta 8883 ",                        // 48
    "Enzer E-5018 ",                     // 49
    "Euroline DVX2005 ",                 // 50
    "Firstline DVX250",                  // 51
    "Gateway Connected DVD",             // 52
    "Global Link G-2000 ",               // 53
    "Gold G100 CDR",                     // 54
    "Goodmans DVD 2150 ",                // 55
    "H & B DVD-4420 ",                   // 56
    "H & B DX-3110 ",                    // 57
    "H & B DX-3220 ",                    // 58
    "H & B DX-6526 ",                    // 59
    "Hamlet XDVP880 ",                   // 60
    "Hiteker HE-920 ",                   // 61
    "Hiteker HE-940 ",                   // 62
    "IEKEI KDV-A10 ",                    // 63
    "iiSonic II2002 ",                   // 64
    "iiSonic II2316 ",                   // 65
    "Initial IDM-1210 ",                 // 66
    "Irradio DVX 101 ",                  // 67
    "Irradio DVX 102 ",                  // 68
    "Jamba XDVD 1000 ",                  // 69
    "Jamo DVR 50 ",                      // 70
    "JVC XV-N315 ",                      // 71
    "JVC XV-DX1BK ",                     // 72
    "JVC XV-N316 ",                      // 73
    "JVC XV-NP1 ",                       // 74
    "JVC XV-NP10S ",                     // 75
    "Kendo DVX9200",                     // 76
    "Kenwood KVT-920DVD ",               // 77
    "KiSS DP-1000 ",                     // 78
    "KiSS DP-450 ",                      // 79
    "KiSS DP-500 ",                      // 80
    "KiSS DP-508 ",                      // 81
    "Lafayette LF400 ",                  // 82
    "Lasonic DVB-8292 ",                 // 83
    "LC Power LC-DV889 ",                // 84
    "Leiker DV-X50 ",                    // 85
    "Lenco DVD-37 ",                     // 86
    "Lifetec LT 7457 ",                  // 87
    "Limit DVDX800 ",                    // 88
    "LiteOn LVD-2001 ",                  // 89
    "LiteOn LVD-2002 ",                  // 90
    "Loomax DivX-DVD X-50 ",             // 91
    "Lumatron DVD 1020 ",                // 92
    "Magike X-100 ",                     // 93
    "Magnavox MPD820 ",                  // 94
    "Marvel&Louis DX-750 ",              // 95
    "Medion MD 40814 ",                  // 96
    "Medion MD 7457 ",                   // 97
    "MIB DV-2100 ",                      // 98
    "Microsoft Xbox",                    // 99
    "Momitsu DVD-V880 ",                 // 100
    "Necstar DVD-768KSD ",               // 101
    "Neoxeo DV 301 ",                    // 102
    "NeuNeo ",                           // 103
    "Neuston Maestro DVX-1201 ",         // 104
    "Norcent DP 501M ",                  // 105
    "Nortek NDVX-100 ",                  // 106
    "Nortek NDVX-110 CDR",               // 107
    "NorthQ 5000 ",                      // 108
    "Orava DVD-503 ",                    // 109
    "Orbit DVD-2950 ",                   // 110
    "Oritron NPD3117 ",                  // 111
    "Philips DVD 737 ",                  // 112
    "Philips DVP 630 ",                  // 113
    "Philips DVP 642 ",                  // 114
    "Philips DVP 720SA ",                // 115
    "Philips LX3900SA ",                 // 116
    "Philips LX3950 ",                   // 117
    "Phonotrend DVD-2820 ",              // 118
    "Pioneer DV-575A ",                  // 119
    "PLU2 DVX 345pro ",                  // 120
    "Polaroid DVP-0600 ",                // 121
    "Redstar DVD 420G ",                 // 122
    "Revoy 3200DX",                      // 123
    "Richmond DVX-1000 ",                // 124
    "Rimax MPEG4 DivX DVD Multiplayer ", // 125
    "RJTech RJ-100PDVX ",                // 126
    "RJTech RJ-1500DVX ",                // 127
    "RJTech RJ-200PDVX ",                // 128
    "RJTech RJ-300PDVX ",                // 129
    "Roadstar DVD-2501 ",                // 130
    "Samsung DVD V540 ",                 // 131
    "Samsung SV DVD640 ",                // 132
    "Scan Ellion 520C ",                 // 133
    "Scott DVD 842",                     // 134
    "SEG DVX 338 ",                      // 135
    "SEG DVX 438 ",                      // 136
    "Sencor SDV 6101 ",                  // 137
    "Shinco DVP 315 ",                   // 138
    "Shinsonic DVD-100 ",                // 139
    "Sigmatek DVD X-100 ",               // 140
    "Sigmatek DVD X-300 ",               // 141
    "Sony Playstation 2 ",               // 142
    "Standard SR 3530 ",                 // 143
    "Sunwood SW-055 DX ",                // 144
    "Tangent D-400 ",                    // 145
    "Technosonic MP-101 ",               // 146
    "Technosonic MP-102 ",               // 147
    "Technosonic MP-103",                // 148
    "Technosonic MP-107 ",               // 149
    "Techwood DVX-5050S ",               // 150
    "Tevion DVD-3000 ",                  // 151
    "Tevion DVD-4000 ",                  // 152
    "Toshiba SD1402 ",                   // 153
    "Toshiba SD340E ",                   // 154
    "Transgear DVX-500 ",                // 155
    "United DVX 4066M ",                 // 156
    "United DVX 4067 ",                  // 157
    "United DVX 4068 ",                  // 158
    "Vertex 312A Few ",                  // 159
    "Waitec DVD X4 ",                    // 160
    "Woxter DVD X-DIV 500 ",             // 161
    "Woxter DVD X-DIV 600 ",             // 162
    "Woxter DVD X-VID 100 ",             // 163
    "Woxter Sierra ",                    // 164
    "XMS 888 ",                          // 165
    "Xoro HSD 311 ",                     // 166
    "Xoro HSD 400 Pro ",                 // 167
    "Xoro HSD 400plus ",                 // 168
    "Xoro HSD 420 ",                     // 169
    "Xwave 9100 ",                       // 170
    "Yakumo DVD Master DX4 ",            // 171
    "Yamada DVX-5500 ",                  // 172
    "Yamada DVX-6000",                   // 173
    "Yamada DVX-6600",                   // 174
    "QRV",                               // 175
}};

struct ProfileWithLimits {
    int Index;
    ProfileLimits Limits;
};

constexpr std::array<ProfileWithLimits, 2> kLimits{{
    {0, {2, 43, 86}},
    {1, {3, 45, 135}},
}};

} // namespace

const std::array<std::string_view, kReceiverProfileCount> &ReceiverProfileNames() {
    return kNames;
}

std::optional<ProfileLimits> ReceiverProfileLimits(int index) {
    for (const ProfileWithLimits &profile : kLimits)
        if (profile.Index == index)
            return profile.Limits;
    return std::nullopt;
}
