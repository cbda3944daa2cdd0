#include "shell/WindowPlacement.h"

#include "shell/SettingsNames.h"
#include "shell/Unit1.h"

#include <algorithm>

namespace {

long long OverlapArea(const Rect &a, const Rect &b) {
    const long long width =
        std::min<long long>(a.Left + a.Width, b.Left + b.Width) - std::max(a.Left, b.Left);
    const long long height = std::min<long long>(a.Top + a.Height, b.Top + b.Height) - std::max(a.Top, b.Top);
    return width > 0 && height > 0 ? width * height : 0;
}

// One side of the bounds: at least the smallest size and no more than the
// screen, starting within the screen.
void FitSide(int &start, int &length, int screenStart, int screenLength, int least) {
    length = std::max(least, std::min(length, screenLength));
    start = std::max(screenStart, std::min(start, screenStart + screenLength - length));
}

} // namespace

std::optional<Rect> BoundsOnScreens(const Rect &stored, const std::vector<Rect> &screens, int minWidth,
                                    int minHeight) {
    const Rect *best = nullptr;
    long long bestArea = 0;
    for (const Rect &screen : screens) {
        const long long area = OverlapArea(stored, screen);
        if (area > bestArea) {
            bestArea = area;
            best = &screen;
        }
    }
    if (!best)
        return std::nullopt;
    Rect placed = stored;
    FitSide(placed.Left, placed.Width, best->Left, best->Width, minWidth);
    FitSide(placed.Top, placed.Height, best->Top, best->Height, minHeight);
    return placed;
}

void TForm1::ReadWindowPlacement() {
    SettingsKey key(platform.Store);
    SettingsStore &store = key.store;
    for (const char *name : {kWindowLeftValue, kWindowTopValue, kWindowWidthValue, kWindowHeightValue})
        if (!store.ValueExists(name))
            return;
    Placement.Bounds = {store.ReadInteger(kWindowLeftValue), store.ReadInteger(kWindowTopValue),
                        store.ReadInteger(kWindowWidthValue), store.ReadInteger(kWindowHeightValue)};
    Placement.Maximized = store.ValueExists(kWindowMaximizedValue) && store.ReadBool(kWindowMaximizedValue);
}

void TForm1::FormClose() {
    SettingsKey key(platform.Store);
    key.store.WriteInteger(kWindowLeftValue, Placement.Bounds.Left);
    key.store.WriteInteger(kWindowTopValue, Placement.Bounds.Top);
    key.store.WriteInteger(kWindowWidthValue, Placement.Bounds.Width);
    key.store.WriteInteger(kWindowHeightValue, Placement.Bounds.Height);
    key.store.WriteBool(kWindowMaximizedValue, Placement.Maximized);
    key.store.WriteString(kOutputFormatValue, std::string(OutputOfBoxItem(SaveFormato.ItemIndex).key));
}
