#include "app/QtSettingsStore.h"
#include "document/Errors.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Each check uses a new store on the file the previous one wrote, as the next
// start of the program does: nothing survives but the file's text.
class SettingsFileTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    QString File() const { return folder.filePath("Lumavert.conf"); }
    // A value as some other program wrote it into the file.
    void WriteRaw(const QString &name, const QVariant &value) {
        QSettings(File(), QSettings::IniFormat).setValue("Software/Lumavert/" + name, value);
    }

private slots:
    void init() { QFile::remove(File()); }

    void valuesReadBackInANewStore() {
        QtSettingsStore first(File());
        QVERIFY(!first.KeyExists("Software\\Lumavert"));
        QVERIFY(!first.OpenKey("Software\\Lumavert", false));
        QVERIFY(first.OpenKey("Software\\Lumavert", true));
        first.WriteInteger("Idioma", 2);
        first.WriteInteger("Receptor", -7);
        first.WriteBool("Alertas", false);
        first.WriteString("Lingua", "Portugu\xEAs");
        first.WriteString("Font", "Times, New \"Roman\"");
        first.CloseKey();

        QtSettingsStore next(File());
        QVERIFY(next.KeyExists("Software\\Lumavert"));
        QVERIFY(next.OpenKey("Software\\Lumavert", false));
        QCOMPARE(next.ReadInteger("Idioma"), 2);
        QCOMPARE(next.ReadInteger("Receptor"), -7);
        QCOMPARE(next.ReadBool("Alertas"), false);
        QCOMPARE(next.ReadString("Lingua"), std::string("Portugu\xEAs"));
        QCOMPARE(next.ReadString("Font"), std::string("Times, New \"Roman\""));
        QVERIFY(!next.ValueExists("MaxSum"));
        next.CloseKey();

        QFile text(File());
        QVERIFY(text.open(QIODevice::ReadOnly));
        QVERIFY(text.readAll().contains("Portugu\xC3\xAAs"));
    }

    void textsOfTheWrongKindThrow_data() {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("integer"); // -1: not an integer
        QTest::addColumn<int>("flag");    // -1: not a boolean
        QTest::newRow("number") << QVariant("42") << 42 << 1;
        QTest::newRow("zero") << QVariant("0") << 0 << 0;
        QTest::newRow("Qt's true") << QVariant(true) << -1 << 1;
        QTest::newRow("Qt's false") << QVariant(false) << -1 << 0;
        QTest::newRow("letters") << QVariant("abc") << -1 << -1;
        QTest::newRow("too big") << QVariant("99999999999") << -1 << -1;
        QTest::newRow("list") << QVariant(QStringList{"1", "2"}) << -1 << -1;
    }

    void textsOfTheWrongKindThrow() {
        QFETCH(QVariant, stored);
        QFETCH(int, integer);
        QFETCH(int, flag);
        WriteRaw("Value", stored);
        QtSettingsStore store(File());
        QVERIFY(store.OpenKey("Software\\Lumavert", false));
        if (integer < 0)
            QVERIFY_THROWS_EXCEPTION(SettingsError, store.ReadInteger("Value"));
        else
            QCOMPARE(store.ReadInteger("Value"), integer);
        if (flag < 0)
            QVERIFY_THROWS_EXCEPTION(SettingsError, store.ReadBool("Value"));
        else
            QCOMPARE(store.ReadBool("Value"), flag == 1);
        QVERIFY_THROWS_EXCEPTION(SettingsError, store.ReadInteger("Missing"));
    }

    void aFileThatCannotBeWrittenFailsTheWrite() {
        QFile blocker(folder.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QtSettingsStore store(folder.filePath("blocker/Lumavert.conf"));
        QVERIFY(store.OpenKey("Software\\Lumavert", true));
        QVERIFY_THROWS_EXCEPTION(SettingsError, store.WriteInteger("Idioma", 1));
        store.CloseKey();
        QVERIFY_THROWS_EXCEPTION(SettingsError, store.WriteInteger("Idioma", 1));
    }
};

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "SettingsFileTest.moc"
