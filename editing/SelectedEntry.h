#pragma once

#include <string>

class TForm1;

// The entry of the subtitle list at the list box's item index. With no entry
// there, ListIndexError names the position, -1 when nothing is selected.
const std::string &SelectedEntry(const TForm1 &form);
