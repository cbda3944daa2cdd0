#pragma once

#include "shell/Platform.h"

#include <QSettings>
#include <QString>

#include <memory>
#include <string>

// The settings key kept in an INI file through QSettings. A key such as
// "Software\Lumavert" is the group "Software/Lumavert". Every value is stored
// as text, because that is all an INI file gives back to the next process:
// integers in decimal, booleans as 0 or 1, strings as UTF-8. A read that finds a text of the wrong kind
// throws SettingsError.
class QtSettingsStore : public SettingsStore {
public:
    // The user's settings file in the configuration folder.
    QtSettingsStore();
    // A settings file of one's own choosing, as tests use.
    explicit QtSettingsStore(const QString &fileName);
    ~QtSettingsStore() override;

    const QString &FileName() const { return fileName_; }

    bool KeyExists(const std::string &key) override;
    bool OpenKey(const std::string &key, bool canCreate) override;
    bool ValueExists(const std::string &name) override;
    int ReadInteger(const std::string &name) override;
    bool ReadBool(const std::string &name) override;
    std::string ReadString(const std::string &name) override;
    void WriteInteger(const std::string &name, int value) override;
    void WriteBool(const std::string &name, bool value) override;
    void WriteString(const std::string &name, const std::string &value) override;
    // Never fails: every write has already reached the file.
    void CloseKey() override;

private:
    std::unique_ptr<QSettings> OpenFile() const;
    QSettings &Open();
    QString PathOf(const std::string &name) const;
    std::string ReadText(const std::string &name);
    void Write(const std::string &name, const QString &text);

    QString fileName_;
    // The file as read when the key was opened; none while the key is closed.
    std::unique_ptr<QSettings> settings_;
    QString group_;
};
