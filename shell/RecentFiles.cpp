#include "shell/RecentFiles.h"

#include "convert/OpenerSteps.h"
#include "shell/SettingsNames.h"
#include "shell/Unit1.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::size_t kRecentFileCount = 8;

std::string RecentFileValue(std::size_t index) {
    return kRecentFileValuePrefix + std::to_string(index + 1);
}

std::array<MenuItem *, kRecentFileCount> RecentItems(TForm1 &form) {
    return {&form.Recente1, &form.Recente2, &form.Recente3, &form.Recente4,
            &form.Recente5, &form.Recente6, &form.Recente7, &form.Recente8};
}

// Every slot is written, the unused ones empty, so a shorter list leaves no stale names behind.
void StoreRecentFiles(TForm1 &form) {
    SettingsKey key(form.platform.Store);
    for (std::size_t index = 0; index < kRecentFileCount; ++index)
        key.store.WriteString(RecentFileValue(index),
                              index < form.RecentFiles.size() ? form.RecentFiles[index] : std::string());
}

// An "&" in a file's name is shown, not taken as the item's access key.
std::string MenuText(const std::string &text) {
    std::string shown;
    for (char c : text) {
        if (c == '&')
            shown += '&';
        shown += c;
    }
    return shown;
}

} // namespace

void ReadRecentFiles(TForm1 &form, SettingsStore &store) {
    form.RecentFiles.clear();
    for (std::size_t index = 0; index < kRecentFileCount; ++index) {
        const std::string name = RecentFileValue(index);
        if (!store.ValueExists(name))
            continue;
        std::string fileName = store.ReadString(name);
        if (!fileName.empty() &&
            std::find(form.RecentFiles.begin(), form.RecentFiles.end(), fileName) == form.RecentFiles.end())
            form.RecentFiles.push_back(std::move(fileName));
    }
    ShowRecentFiles(form);
}

void RememberOpenedFile(TForm1 &form, const std::string &fileName) {
    std::vector<std::string> &files = form.RecentFiles;
    files.erase(std::remove(files.begin(), files.end(), fileName), files.end());
    files.insert(files.begin(), fileName);
    if (files.size() > kRecentFileCount)
        files.resize(kRecentFileCount);
    ShowRecentFiles(form);
    StoreRecentFiles(form);
}

void ShowRecentFiles(TForm1 &form) {
    const std::array<MenuItem *, kRecentFileCount> items = RecentItems(form);
    for (std::size_t index = 0; index < kRecentFileCount; ++index) {
        MenuItem &item = *items[index];
        item.Visible = index < form.RecentFiles.size();
        item.Caption = item.Visible ? "&" + std::to_string(index + 1) + " " +
                                          MenuText(FileNameWithoutFolder(form.RecentFiles[index]))
                                    : std::string();
    }
    form.N3.Visible = !form.RecentFiles.empty();
}

void ForgetRecentFile(TForm1 &form, std::size_t index) {
    form.RecentFiles.erase(form.RecentFiles.begin() + static_cast<std::ptrdiff_t>(index));
    ShowRecentFiles(form);
    StoreRecentFiles(form);
}
