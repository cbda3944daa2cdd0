#pragma once

#include <cstddef>
#include <string>

class SettingsStore;
class TForm1;

// The files last opened, as the File menu lists them and the settings keep them.

// Reads the stored list; names never stored leave it empty, so a first start writes nothing.
void ReadRecentFiles(TForm1 &form, SettingsStore &store);
// Puts a file just opened at the top of the list and stores the list.
void RememberOpenedFile(TForm1 &form, const std::string &fileName);
// The menu's recent items show the list: "&1 name", the unused ones hidden.
void ShowRecentFiles(TForm1 &form);
// Takes the index-th file off the list (a file gone) and stores the list.
void ForgetRecentFile(TForm1 &form, std::size_t index);
