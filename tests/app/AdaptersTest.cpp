#include "app/KeyCodes.h"
#include "app/LineSelection.h"
#include "app/QtFonts.h"
#include "app/QtLongWork.h"
#include "app/QtPlatform.h"
#include "app/QtText.h"
#include "app/SpellDialogBox.h"
#include "app/UpDownWidget.h"
#include "shell/Controls.h"
#include "tests/app/ScriptedDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <chrono>
#include <thread>

// The pure pieces of the view: text crossing into Qt, file filters, fonts,
// key codes, the up-down arithmetic and the progress bar of long work.
class AdaptersTest : public QObject {
    Q_OBJECT

private slots:
    void boxTextsBreakLinesOnce_data() {
        QTest::addColumn<QByteArray>("utf8");
        QTest::addColumn<QString>("shown");
        QTest::newRow("CR LF") << QByteArray("a\r\nb") << QStringLiteral("a\nb");
        QTest::newRow("LF CR as stored in some texts") << QByteArray("a\n\rb") << QStringLiteral("a\nb");
        QTest::newRow("two CR LF") << QByteArray("a\r\n\r\nb") << QStringLiteral("a\n\nb");
        QTest::newRow("LF CR twice") << QByteArray("a\n\r\n\rb") << QStringLiteral("a\n\nb");
        QTest::newRow("lone CR") << QByteArray("a\rb") << QStringLiteral("a\nb");
        QTest::newRow("any script") << QByteArray("Versão € Привет 中")
                                    << QStringLiteral(
                                           "Vers\u00E3o \u20AC \u041F\u0440\u0438\u0432\u0435\u0442 \u4E2D");
    }
    void boxTextsBreakLinesOnce() {
        QFETCH(QByteArray, utf8);
        QFETCH(QString, shown);
        QCOMPARE(DisplayText(utf8.toStdString()), shown);
    }

    void typedTextBecomesUtf8() {
        QCOMPARE(FromQString(QStringLiteral("\u00E7\u20AC")), std::string("ç€"));
        QCOMPARE(FromQString(QStringLiteral("\u4E2D")), std::string("中"));
    }

    // The memo's view shows its lines and the empty one after the last line end.
    void selectionCopiesTheTextBetweenTwoPoints_data() {
        QTest::addColumn<qulonglong>("fromLine");
        QTest::addColumn<int>("fromColumn");
        QTest::addColumn<qulonglong>("toLine");
        QTest::addColumn<int>("toColumn");
        QTest::addColumn<QString>("copied");
        QTest::newRow("nothing") << 1ull << 2 << 1ull << 2 << QString();
        QTest::newRow("within a line") << 1ull << 3 << 1ull << 8 << QStringLiteral("00:01");
        QTest::newRow("backwards") << 1ull << 8 << 1ull << 3 << QStringLiteral("00:01");
        QTest::newRow("across lines") << 0ull << 0 << 2ull << 2 << QStringLiteral("1\n00:00:01,000\nOl");
        QTest::newRow("a line end only") << 2ull << 5 << 3ull << 0 << QStringLiteral("\n");
        QTest::newRow("a character beyond the BMP") << 2ull << 3 << 2ull << 5 << QStringLiteral("\U0001F600");
        QTest::newRow("everything, to the line after the last")
            << 0ull << 0 << 4ull << 0 << QStringLiteral("1\n00:00:01,000\nOlá😀\n\n");
    }
    void selectionCopiesTheTextBetweenTwoPoints() {
        QFETCH(qulonglong, fromLine);
        QFETCH(int, fromColumn);
        QFETCH(qulonglong, toLine);
        QFETCH(int, toColumn);
        QFETCH(QString, copied);
        const TextList lines{"1", "00:00:01,000", "Olá😀", ""};
        QCOMPARE(TextBetween(lines, {fromLine, fromColumn}, {toLine, toColumn}), copied);
    }

    // Typing replaces the text between two points; the empty line after the list becomes a line once typed
    // into.
    void typingReplacesTheTextBetweenTwoPoints_data() {
        QTest::addColumn<qulonglong>("fromLine");
        QTest::addColumn<int>("fromColumn");
        QTest::addColumn<qulonglong>("toLine");
        QTest::addColumn<int>("toColumn");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after");
        QTest::addColumn<qulonglong>("cursorLine");
        QTest::addColumn<int>("cursorColumn");
        QTest::newRow("a letter") << 0ull << 1 << 0ull << 1 << QStringLiteral("x")
                                  << QStringLiteral("ax|bc|d") << 0ull << 2;
        QTest::newRow("a line break")
            << 1ull << 1 << 1ull << 1 << QStringLiteral("\n") << QStringLiteral("a|b|c|d") << 2ull << 0;
        QTest::newRow("joining two lines")
            << 1ull << 2 << 0ull << 1 << QString() << QStringLiteral("a|d") << 0ull << 1;
        QTest::newRow("pasted lines")
            << 2ull << 0 << 2ull << 1 << QStringLiteral("1\n2") << QStringLiteral("a|bc|1|2") << 3ull << 1;
        QTest::newRow("the line after the list")
            << 3ull << 0 << 3ull << 0 << QStringLiteral("e") << QStringLiteral("a|bc|d|e") << 3ull << 1;
        QTest::newRow("a break after the list")
            << 3ull << 0 << 3ull << 0 << QStringLiteral("\n") << QStringLiteral("a|bc|d|") << 4ull << 0;
        QTest::newRow("all of it") << 0ull << 0 << 3ull << 0 << QString() << QString() << 0ull << 0;
    }
    void typingReplacesTheTextBetweenTwoPoints() {
        QFETCH(qulonglong, fromLine);
        QFETCH(int, fromColumn);
        QFETCH(qulonglong, toLine);
        QFETCH(int, toColumn);
        QFETCH(QString, typed);
        QFETCH(QString, after);
        QFETCH(qulonglong, cursorLine);
        QFETCH(int, cursorColumn);
        TextList lines{"a", "bc", "d"};
        const TextPoint cursor = ReplaceText(lines, {fromLine, fromColumn}, {toLine, toColumn}, typed);
        QStringList shown;
        for (const std::string_view line : lines)
            shown << QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
        QCOMPARE(shown.join(QLatin1Char('|')), after);
        QCOMPARE(cursor, (TextPoint{cursorLine, cursorColumn}));
    }

    void scrollPositionShowsItsLines_data() {
        QTest::addColumn<qulonglong>("top");
        QTest::addColumn<int>("height");
        QTest::addColumn<qulonglong>("first");
        QTest::addColumn<qulonglong>("end");
        QTest::newRow("top, whole lines") << 0ull << 130 << 0ull << 10ull;
        QTest::newRow("a line cut off at the bottom") << 0ull << 131 << 0ull << 11ull;
        QTest::newRow("middle of a million") << 500'000ull << 130 << 500'000ull << 500'010ull;
        QTest::newRow("near the end") << 999'995ull << 130 << 999'995ull << 1'000'001ull;
        QTest::newRow("beyond the end") << 2'000'000ull << 130 << 1'000'001ull << 1'000'001ull;
        QTest::newRow("no height") << 3ull << 0 << 3ull << 3ull;
    }
    void scrollPositionShowsItsLines() {
        QFETCH(qulonglong, top);
        QFETCH(int, height);
        QFETCH(qulonglong, first);
        QFETCH(qulonglong, end);
        // A million lines and the empty one after them, 13 pixels each.
        QCOMPARE(VisibleLines(top, height, 13, 1'000'001), (LineRange{first, end}));
    }

    void fileFilters_data() {
        QTest::addColumn<QByteArray>("filter");
        QTest::addColumn<QStringList>("filters");
        QTest::newRow("pattern already named")
            << QByteArray("MicroDVD (*.sub)|*.sub") << QStringList{"MicroDVD (*.sub)"};
        QTest::newRow("description of its own")
            << QByteArray("Subrip (Srt)|*.srt") << QStringList{"Subrip (Srt) (*.srt)"};
        QTest::newRow("several patterns and entries")
            << QByteArray("SAMI Captioning|*.smi;*.sami|All Files|*.*")
            << QStringList{"SAMI Captioning (*.smi *.sami)", "All Files (*.*)"};
        QTest::newRow("pattern without a dot kept")
            << QByteArray("Todos|*.sub;*vsf") << QStringList{"Todos (*.sub *vsf)"};
        QTest::newRow("description without a pattern dropped")
            << QByteArray("A|*.a|B") << QStringList{"A (*.a)"};
        QTest::newRow("empty") << QByteArray() << QStringList{};
    }
    void fileFilters() {
        QFETCH(QByteArray, filter);
        QFETCH(QStringList, filters);
        QCOMPARE(FileDialogFilters(filter.toStdString()), filters);
    }

    void defaultSuffixes() {
        QCOMPARE(DefaultSuffix("*.sub"), QStringLiteral("sub"));
        QCOMPARE(DefaultSuffix(".srt"), QStringLiteral("srt"));
        QCOMPARE(DefaultSuffix(""), QString());
    }

    void missingFontsFallBackToAnInstalledSans() {
        FontSpec model;
        model.Bold = true;
        const QFont font = FontFromSpec(model);
        QVERIFY(QFontDatabase::hasFamily(font.family()));
        QVERIFY(font.bold());
        QVERIFY(font.pointSizeF() > 6 && font.pointSizeF() <= 8);

        FontSpec installed;
        installed.Name = FromQString(font.family());
        installed.Size = 12;
        installed.Italic = true;
        installed.Color = 0xFF;
        const FontSpec back = SpecFromFont(FontFromSpec(installed), installed);
        QCOMPARE(back, installed);
    }

    void keysAsVirtualKeyCodes_data() {
        QTest::addColumn<int>("qt");
        QTest::addColumn<int>("virtualKey");
        QTest::newRow("Delete") << int(Qt::Key_Delete) << 0x2E;
        QTest::newRow("I") << int(Qt::Key_I) << 0x49;
        QTest::newRow("T") << int(Qt::Key_T) << 0x54;
        QTest::newRow("P") << int(Qt::Key_P) << 0x50;
        QTest::newRow("7") << int(Qt::Key_7) << 0x37;
        QTest::newRow("Enter on the keypad") << int(Qt::Key_Enter) << 0x0D;
        QTest::newRow("Down") << int(Qt::Key_Down) << 0x28;
        QTest::newRow("F5") << int(Qt::Key_F5) << 0x74;
        QTest::newRow("no Windows key") << int(Qt::Key_VolumeUp) << 0;
    }
    void keysAsVirtualKeyCodes() {
        QFETCH(int, qt);
        QFETCH(int, virtualKey);
        QCOMPARE(VirtualKeyOf(qt), virtualKey);
    }

    void upDownSteps_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("wrap");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("next");
        QTest::newRow("up") << 0 << false << 1 << 1;
        QTest::newRow("down below zero") << 0 << false << -1 << -1;
        QTest::newRow("stops at the top") << 32000 << false << 1 << 32000;
        QTest::newRow("stops at the bottom") << -32000 << false << -1 << -32000;
        QTest::newRow("wraps to the bottom") << 32000 << true << 1 << -32000;
        QTest::newRow("wraps to the top") << -32000 << true << -1 << 32000;
    }
    void upDownSteps() {
        QFETCH(int, position);
        QFETCH(bool, wrap);
        QFETCH(int, step);
        QFETCH(int, next);
        UpDown upDown;
        upDown.Min = -32000;
        upDown.Max = 32000;
        upDown.Position = position;
        upDown.Wrap = wrap;
        QCOMPARE(SteppedPosition(upDown, step), next);
    }

    // The bar's texts are in the interface language, and Cancel stops work
    // that keeps reporting progress.
    void longWorkCancelsInTheInterfaceLanguage() {
        ScriptedDialogs questions;
        QString button, label;
        QTimer::singleShot(20, this, [&] {
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                auto *dialog = qobject_cast<QProgressDialog *>(widget);
                if (!dialog || dialog->objectName() != QStringLiteral("LongWork"))
                    continue;
                auto *cancel = dialog->findChild<QPushButton *>();
                button = cancel->text();
                cancel->click();
                label = dialog->findChild<QLabel *>()->text();
            }
        });
        bool stopped = false;
        RunOffThread(
            "Work",
            [&](const WorkProgress &progress, Questions &) {
                while (progress(50))
                    std::this_thread::sleep_for(std::chrono::milliseconds(1));
                stopped = true;
            },
            questions, 1);
        QCOMPARE(button, QStringLiteral("Cancelar"));
        QCOMPARE(label, QStringLiteral("A cancelar..."));
        QVERIFY(stopped);
    }

    // The spell check's dialog has its controls by name, and a button
    // writes back what it stands for with the replacement typed.
    void spellDialogHasItsButtons() {
        SpellDialog model;
        model.Labels.change = "Change";
        model.Text = "Não recieve|it";
        model.WordStart = 5;
        model.Word = "recieve";
        model.Suggestions = {"receive", "relieve"};
        model.Dictionaries = {"da_DK", "en_US"};
        model.DictionaryIndex = 1;
        model.Replacement = "receive";
        QStringList missing;
        QString name, shown, dictionary;
        QTimer::singleShot(0, this, [&] {
            QWidget *dialog = QApplication::activeModalWidget();
            name = dialog->objectName();
            for (const char *button : {"Change", "ChangeAll", "Ignore", "IgnoreAll", "AddWord", "Close"})
                if (!dialog->findChild<QPushButton *>(QLatin1String(button)))
                    missing << QLatin1String(button);
            dictionary = dialog->findChild<QComboBox *>(QStringLiteral("Dictionary"))->currentText();
            shown = dialog->findChild<QTextEdit *>(QStringLiteral("SubtitleText"))->toPlainText();
            dialog->findChild<QLineEdit *>(QStringLiteral("ChangeTo"))->setText(QStringLiteral("receives"));
            dialog->findChild<QPushButton *>(QStringLiteral("ChangeAll"))->click();
        });
        RunSpellDialog(model, nullptr);
        QCOMPARE(name, QStringLiteral("SpellDialog1"));
        QCOMPARE(missing, QStringList());
        QCOMPARE(dictionary, QStringLiteral("en_US"));
        QCOMPARE(shown, QStringLiteral("N\u00E3o recieve\nit"));
        QVERIFY(model.Pressed == SpellDialog::Action::ChangeAll);
        QCOMPARE(model.Replacement, std::string("receives"));
    }
};

QTEST_MAIN(AdaptersTest)
#include "AdaptersTest.moc"
