#pragma once

#include "shell/Platform.h"

#include <map>
#include <string>
#include <variant>

// The settings key in memory, so that a run of the command line never reads
// or changes the settings of the window. The program uses one key; its name
// is not kept.
class CliSettings : public SettingsStore {
public:
    // NOTE: as in the registry, a boolean is kept as the integer 0 or 1.
    using Value = std::variant<int, std::string>;

    // A key that already holds these values, as left by an earlier run of the window.
    explicit CliSettings(std::map<std::string, Value> values);

    bool KeyExists(const std::string &key) override;
    bool OpenKey(const std::string &key, bool canCreate) override;
    bool ValueExists(const std::string &name) override;
    int ReadInteger(const std::string &name) override;
    bool ReadBool(const std::string &name) override;
    std::string ReadString(const std::string &name) override;
    void WriteInteger(const std::string &name, int value) override;
    void WriteBool(const std::string &name, bool value) override;
    void WriteString(const std::string &name, const std::string &value) override;
    void CloseKey() override;

private:
    template <typename T> const T &Read(const std::string &name) const;

    std::map<std::string, Value> values_;
};
