#pragma once

#include <string_view>

class TForm1;

// The entry of the subtitle list at the list box's item index. With no entry
// there, ListIndexError names the position, -1 when nothing is selected.
std::string_view SelectedEntry(const TForm1 &form);
