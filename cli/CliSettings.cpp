#include "cli/CliSettings.h"

#include "document/Errors.h"

CliSettings::CliSettings(std::map<std::string, Value> values) : values_(std::move(values)) {}

// The key is there from the start, so it always opens.
bool CliSettings::KeyExists(const std::string &) {
    return true;
}

bool CliSettings::OpenKey(const std::string &, bool) {
    return true;
}

bool CliSettings::ValueExists(const std::string &name) {
    return values_.count(name) != 0;
}

template <typename T> const T &CliSettings::Read(const std::string &name) const {
    const auto found = values_.find(name);
    if (found == values_.end())
        throw SettingsError("No setting '" + name + "'");
    const T *value = std::get_if<T>(&found->second);
    if (value == nullptr)
        throw SettingsError("Invalid data type for '" + name + "'");
    return *value;
}

int CliSettings::ReadInteger(const std::string &name) {
    return Read<int>(name);
}

bool CliSettings::ReadBool(const std::string &name) {
    return Read<int>(name) != 0;
}

std::string CliSettings::ReadString(const std::string &name) {
    return Read<std::string>(name);
}

void CliSettings::WriteInteger(const std::string &name, int value) {
    values_[name] = value;
}

void CliSettings::WriteBool(const std::string &name, bool value) {
    values_[name] = value ? 1 : 0;
}

void CliSettings::WriteString(const std::string &name, const std::string &value) {
    values_[name] = value;
}

void CliSettings::CloseKey() {}
