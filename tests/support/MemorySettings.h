#pragma once

#include "document/Errors.h"
#include "shell/Platform.h"

#include <map>
#include <string>
#include <variant>
#include <vector>

// The settings key in memory. Values keep their type; a read of another type
// throws SettingsError as the registry does. FailFrom(n) makes every
// operation from the n-th on (counting from 1) throw. Header-only, so that
// the fuzz targets, which have no test framework, use it too.
class MemorySettings : public SettingsStore {
public:
    using Value = std::variant<int, bool, std::string>;

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

    void FailFrom(int operation) { failFrom_ = operation; }
    void FailWrites(bool fail) { failWrites_ = fail; }

    // Keys and their values, for set-up and inspection.
    std::map<std::string, std::map<std::string, Value>> keys;
    // Names written, in order.
    std::vector<std::string> writes;
    std::string openKey;

private:
    void Step();
    std::map<std::string, Value> &Values();
    const Value &Find(const std::string &name);
    void Write(const std::string &name, Value value);

    int operations_ = 0;
    int failFrom_ = 0;
    bool failWrites_ = false;
};

inline void MemorySettings::Step() {
    ++operations_;
    if (failFrom_ > 0 && operations_ >= failFrom_)
        throw SettingsError("The settings store failed");
}

inline std::map<std::string, MemorySettings::Value> &MemorySettings::Values() {
    if (openKey.empty())
        throw SettingsError("No settings key is open");
    return keys[openKey];
}

inline const MemorySettings::Value &MemorySettings::Find(const std::string &name) {
    auto &values = Values();
    auto found = values.find(name);
    if (found == values.end())
        throw SettingsError("Invalid data type for '" + name + "'");
    return found->second;
}

inline bool MemorySettings::KeyExists(const std::string &key) {
    Step();
    return keys.count(key) > 0;
}

inline bool MemorySettings::OpenKey(const std::string &key, bool canCreate) {
    Step();
    if (!keys.count(key) && !canCreate)
        return false;
    keys[key];
    openKey = key;
    return true;
}

inline bool MemorySettings::ValueExists(const std::string &name) {
    Step();
    return Values().count(name) > 0;
}

inline int MemorySettings::ReadInteger(const std::string &name) {
    Step();
    const Value &value = Find(name);
    if (const int *number = std::get_if<int>(&value))
        return *number;
    throw SettingsError("Invalid data type for '" + name + "'");
}

inline bool MemorySettings::ReadBool(const std::string &name) {
    Step();
    const Value &value = Find(name);
    if (const bool *flag = std::get_if<bool>(&value))
        return *flag;
    // The registry keeps booleans as integers.
    if (const int *number = std::get_if<int>(&value))
        return *number != 0;
    throw SettingsError("Invalid data type for '" + name + "'");
}

inline std::string MemorySettings::ReadString(const std::string &name) {
    Step();
    const Value &value = Find(name);
    if (const std::string *text = std::get_if<std::string>(&value))
        return *text;
    throw SettingsError("Invalid data type for '" + name + "'");
}

inline void MemorySettings::Write(const std::string &name, Value value) {
    Step();
    if (failWrites_)
        throw SettingsError("Failed to set data for '" + name + "'");
    Values()[name] = std::move(value);
    writes.push_back(name);
}

inline void MemorySettings::WriteInteger(const std::string &name, int value) {
    Write(name, value);
}

inline void MemorySettings::WriteBool(const std::string &name, bool value) {
    Write(name, value);
}

inline void MemorySettings::WriteString(const std::string &name, const std::string &value) {
    Write(name, value);
}

inline void MemorySettings::CloseKey() {
    openKey.clear();
}
