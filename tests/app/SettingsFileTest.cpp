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
    // A settings file as the user or another program left it.
    QString WriteRaw(const QByteArray &line) {
        QString name = folder.filePath(QString::number(++rawFiles) + ".conf");
        QFile file(name);
        if (file.open(QIODevice::WriteOnly))
            file.write("[Software]\n" + line + "\n");
        return name;
    }
    int rawFiles = 0;

private slots:
    void valuesReadBackInANewStore() {
        QtSettingsStore first(File());
        QVERIFY(!first.KeyExists("Software\\Lumavert"));
        QVERIFY(!first.OpenKey("Software\\Lumavert", false));
        QVERIFY(first.OpenKey("Software\\Lumavert", true));
        first.WriteInteger("Idioma", 2);
        first.WriteInteger("Receptor", -7);
        first.WriteBool("Alertas", false);
        first.WriteString("Lingua", "Português");
        first.CloseKey();

        QtSettingsStore next(File());
        QVERIFY(next.KeyExists("Software\\Lumavert"));
        QVERIFY(next.OpenKey("Software\\Lumavert", false));
        QCOMPARE(next.ReadInteger("Idioma"), 2);
        QCOMPARE(next.ReadInteger("Receptor"), -7);
        QCOMPARE(next.ReadBool("Alertas"), false);
        QCOMPARE(next.ReadString("Lingua"), std::string("Português"));
        QVERIFY(!next.ValueExists("MaxSum"));
        next.CloseKey();
        QFile text(File());
        QVERIFY(text.open(QIODevice::ReadOnly) &&
                text.readAll().contains("Lumavert\\Lingua=Portugu\xC3\xAAs"));
    }

    void textsOfTheWrongKindThrow_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("integer"); // -1: not an integer
        QTest::addColumn<int>("flag");    // -1: not a boolean
        QTest::newRow("number") << QByteArray("Lumavert\\Value=42") << 42 << 1;
        QTest::newRow("zero") << QByteArray("Lumavert\\Value=0") << 0 << 0;
        QTest::newRow("negative") << QByteArray("Lumavert\\Value=-3") << -3 << 1;
        QTest::newRow("true") << QByteArray("Lumavert\\Value=true") << -1 << 1;
        QTest::newRow("false") << QByteArray("Lumavert\\Value=false") << -1 << 0;
        QTest::newRow("letters") << QByteArray("Lumavert\\Value=abc") << -1 << -1;
        QTest::newRow("too big") << QByteArray("Lumavert\\Value=99999999999") << -1 << -1;
        QTest::newRow("list") << QByteArray("Lumavert\\Value=1, 2") << -1 << -1;
    }

    void textsOfTheWrongKindThrow() {
        QFETCH(QByteArray, line);
        QFETCH(int, integer);
        QFETCH(int, flag);
        QtSettingsStore store(WriteRaw(line));
        QVERIFY(store.OpenKey("Software\\Lumavert", false));
        if (integer == -1)
            QVERIFY_THROWS_EXCEPTION(SettingsError, store.ReadInteger("Value"));
        else
            QCOMPARE(store.ReadInteger("Value"), integer);
        if (flag == -1)
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
