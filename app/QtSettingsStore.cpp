#include "app/QtSettingsStore.h"

#include "document/Errors.h"
#include "document/NumText.h"

#include <QVariant>

namespace {

[[noreturn]] void WrongType(const std::string &name) {
    throw SettingsError("Invalid data type for '" + name + "'");
}

} // namespace

QtSettingsStore::QtSettingsStore()
    : fileName_(QSettings(QSettings::IniFormat, QSettings::UserScope, "Lumavert", "Lumavert").fileName()) {}

QtSettingsStore::QtSettingsStore(const QString &fileName) : fileName_(fileName) {}

QtSettingsStore::~QtSettingsStore() = default;

// Every opening reads the file afresh, so a handler sees what another window
// of the program stored meanwhile, and a failure stays with the handler that met it.
std::unique_ptr<QSettings> QtSettingsStore::OpenFile() const {
    auto file = std::make_unique<QSettings>(fileName_, QSettings::IniFormat);
    if (file->status() != QSettings::NoError)
        throw SettingsError("The settings file '" + fileName_.toStdString() + "' cannot be read");
    return file;
}

QSettings &QtSettingsStore::Open() {
    if (!settings_)
        throw SettingsError("No settings key is open");
    return *settings_;
}

QString QtSettingsStore::PathOf(const std::string &name) const {
    return group_ + '/' + QString::fromStdString(name);
}

// CHOICE: an INI file cannot hold an empty group, so a key exists once it holds a value.
bool QtSettingsStore::KeyExists(const std::string &key) {
    std::unique_ptr<QSettings> file = OpenFile();
    file->beginGroup(QString::fromStdString(key).replace('\\', '/'));
    return !file->childKeys().isEmpty() || !file->childGroups().isEmpty();
}

bool QtSettingsStore::OpenKey(const std::string &key, bool canCreate) {
    if (!canCreate && !KeyExists(key))
        return false;
    settings_ = OpenFile();
    group_ = QString::fromStdString(key).replace('\\', '/');
    return true;
}

bool QtSettingsStore::ValueExists(const std::string &name) {
    return Open().contains(PathOf(name));
}

// A plain value of an INI file reads back as one text (within one process
// QSettings may hand back the typed value it cached, which reads as its text);
// a list, as an unquoted comma makes, is of the wrong type.
std::string QtSettingsStore::ReadText(const std::string &name) {
    QVariant value = Open().value(PathOf(name));
    switch (value.typeId()) {
    case QMetaType::QString:
    case QMetaType::Int:
    case QMetaType::Bool:
        return value.toString().toStdString();
    default:
        WrongType(name);
    }
}

int QtSettingsStore::ReadInteger(const std::string &name) {
    if (std::optional<int> number = TryStrToInt(ReadText(name)))
        return *number;
    WrongType(name);
}

// Booleans are written as 0 and 1; "true" and "false", as QSettings writes
// them, are read too.
bool QtSettingsStore::ReadBool(const std::string &name) {
    std::string text = ReadText(name);
    if (text == "true" || text == "false")
        return text == "true";
    if (std::optional<int> number = TryStrToInt(text))
        return *number != 0;
    WrongType(name);
}

std::string QtSettingsStore::ReadString(const std::string &name) {
    return ReadText(name);
}

// Each write goes to the file at once: a failure belongs to the handler that
// wrote, and nothing is left to lose when the key is closed.
void QtSettingsStore::Write(const std::string &name, const QString &text) {
    QSettings &file = Open();
    file.setValue(PathOf(name), text);
    file.sync();
    if (file.status() != QSettings::NoError)
        throw SettingsError("Failed to set data for '" + name + "'");
}

void QtSettingsStore::WriteInteger(const std::string &name, int value) {
    Write(name, QString::fromStdString(IntToStr(value)));
}

void QtSettingsStore::WriteBool(const std::string &name, bool value) {
    Write(name, value ? "1" : "0");
}

void QtSettingsStore::WriteString(const std::string &name, const std::string &value) {
    Write(name, QString::fromStdString(value));
}

void QtSettingsStore::CloseKey() {
    settings_.reset();
    group_.clear();
}
