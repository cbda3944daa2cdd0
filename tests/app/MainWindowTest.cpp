#include "app/MainWindow.h"
#include "app/FileDrop.h"
#include "app/TextLinesView.h"
#include "shell/Unit1.h"
#include "tests/app/ScriptedDialogs.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/SpeechMedia.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QScreen>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include <atomic>
#include <cstdlib>
#include <map>
#include <memory>
#include <variant>

// The window over a real TForm1 with scripted dialogs and settings in memory.
class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<MemorySettings> settings;
    std::unique_ptr<FakeLauncher> launcher;
    std::unique_ptr<FakePlayer> player;
    std::unique_ptr<Platform> platform;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<MainWindow> window;

    template <class T = QWidget> T *Find(const char *name) const {
        T *found = window->findChild<T *>(QString::fromLatin1(name));
        if (!found)
            qWarning("no widget %s", name);
        return found;
    }
    QAction *Action(const char *name) const { return Find<QAction>(name); }

    const MemorySettings::Value *Stored(const std::string &name) const {
        const auto key = settings->keys.find("Software\\Lumavert");
        if (key == settings->keys.end())
            return nullptr;
        const auto value = key->second.find(name);
        return value == key->second.end() ? nullptr : &value->second;
    }

    static QString WriteFile(const QTemporaryDir &folder, const char *name, const QByteArray &bytes) {
        const QString file = folder.filePath(QString::fromLatin1(name));
        QFile out(file);
        out.open(QIODevice::WriteOnly);
        out.write(bytes);
        return file;
    }

    void ShowWindow() {
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    // Moves the focus with the mouse, as the user does, and lets the event loop turn.
    void ClickInto(QWidget *widget) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(4, 4));
        QTest::qWait(0);
    }

private slots:
    void init() {
        dialogs = std::make_unique<ScriptedDialogs>();
        settings = std::make_unique<MemorySettings>();
        launcher = std::make_unique<FakeLauncher>();
        player = std::make_unique<FakePlayer>();
        platform = std::make_unique<Platform>(Platform{*dialogs, *settings, *launcher, *player});
        form = std::make_unique<TForm1>(*platform);
        window = std::make_unique<MainWindow>(*form);
    }

    void cleanup() {
        const std::string first = dialogs->unscripted.empty() ? std::string() : dialogs->unscripted.front();
        QVERIFY2(dialogs->unscripted.empty(), ("unscripted: " + first).c_str());
        window.reset();
        form.reset();
    }

    void windowStartsAtTheClientSizeAndGrows() {
        ShowWindow();
        QCOMPARE(window->windowTitle(), QStringLiteral("Lumavert 4.20"));
        const QSize client(window->centralWidget()->width(),
                           window->centralWidget()->height() + window->statusBar()->height());
        QCOMPARE(client, QSize(464, 442));
        QCOMPARE(window->centralWidget()->y(), window->menuBar()->height());
        QCOMPARE(window->statusBar()->height(), 19);
        QCOMPARE(window->minimumSize(), window->size());
        QVERIFY(window->maximumWidth() > 4000 && window->maximumHeight() > 4000);
    }

    // The lists and the converted text take what the window grows by; fields
    // and buttons keep their size and order, and everything stays inside.
    void listsGrowWithTheWindow() {
        ShowWindow();
        const char *const fixed[] = {"Edit1", "Edit5", "btOriginal", "SaveFormato", "btAuto", "UpDown2"};
        std::map<QString, QSize> sizes;
        for (const char *name : fixed)
            sizes[name] = Find(name)->size();
        const QSize list = Find("ListBox1")->size();
        const QSize memo = Find("Memo1")->size();
        window->resize(window->width() + 400, window->height() + 300);
        QTest::qWait(0);
        QCOMPARE(Find("ListBox1")->height(), list.height() + 300);
        QCOMPARE(Find("Memo1")->height(), memo.height() + 300);
        QVERIFY(std::abs(Find("ListBox1")->width() - list.width() - 200) <= 4);
        QVERIFY(std::abs(Find("Memo1")->width() - memo.width() - 200) <= 4);
        for (const char *name : fixed)
            QCOMPARE(Find(name)->size(), sizes[name]);
        QVERIFY(Find("Edit5")->y() > Find("ListBox1")->geometry().bottom());
        QCOMPARE(Find("ProgressBar1")->geometry().right(), window->centralWidget()->width() - 8);
        const QRect client = window->centralWidget()->rect();
        for (const QWidget *widget : window->centralWidget()->findChildren<QWidget *>())
            if (widget->isVisible() && widget->parentWidget() == window->centralWidget())
                QVERIFY2(client.contains(widget->geometry()), qPrintable(widget->objectName()));
        QCOMPARE(window->statusBar()->findChildren<QLabel *>().last()->geometry().right(),
                 window->statusBar()->width() - 1);
    }

    // Size, place and maximized state go into the settings on closing and
    // come back at the next start, on a screen that exists.
    void placementIsStoredAndRestored() {
        window->RestorePlacement();
        ShowWindow();
        window->setGeometry(40, 50, 600, 500);
        QTest::qWait(0);
        window->close();
        QCOMPARE(std::get<int>(*Stored("JanelaLargura")), 600);
        QCOMPARE(std::get<int>(*Stored("JanelaEsquerda")), 40);
        QCOMPARE(std::get<bool>(*Stored("JanelaMaximizada")), false);

        auto next = std::make_unique<MainWindow>(*form);
        next->RestorePlacement();
        QCOMPARE(next->geometry(), QRect(40, 50, 600, 500));
        // A place on a screen that is gone leaves the window where the desktop puts it.
        settings->keys["Software\\Lumavert"]["JanelaEsquerda"] = -30000;
        auto elsewhere = std::make_unique<MainWindow>(*form);
        elsewhere->RestorePlacement();
        QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().intersects(elsewhere->geometry()));
    }

    // Qt's own texts follow the interface language.
    void qtTextsFollowTheLanguage() {
        ShowWindow();
        Action("Danis1")->trigger();
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuller"));
        Action("Ingls1")->trigger();
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    }

    void controlsSitAtTheirBounds_data() {
        QTest::addColumn<QRect>("bounds");
        QTest::newRow("btNovo") << QRect(0, 0, 65, 49);
        QTest::newRow("btMax") << QRect(194, 0, 71, 49);
        QTest::newRow("btMulti") << QRect(394, 0, 65, 49);
        QTest::newRow("Panel1") << QRect(0, 0, 464, 53);
        QTest::newRow("Edit1") << QRect(8, 72, 193, 21);
        QTest::newRow("Combobox2") << QRect(208, 72, 81, 21);
        QTest::newRow("SpeedButton2") << QRect(292, 72, 23, 22);
        QTest::newRow("SpeedButton1") << QRect(412, 56, 48, 54);
        QTest::newRow("ComboBox1") << QRect(320, 112, 137, 21);
        QTest::newRow("btAuto") << QRect(400, 136, 55, 22);
        QTest::newRow("ListBox1") << QRect(8, 160, 217, 161);
        QTest::newRow("Memo1") << QRect(232, 160, 225, 161);
        QTest::newRow("btOriginal") << QRect(8, 328, 25, 22);
        QTest::newRow("SaveFormato") << QRect(232, 328, 169, 21);
        QTest::newRow("btFormato") << QRect(408, 328, 49, 22);
        QTest::newRow("Bevel3") << QRect(8, 358, 449, 48);
        QTest::newRow("UpDown2") << QRect(200, 376, 17, 25);
        QTest::newRow("Edit12") << QRect(352, 376, 81, 21);
        QTest::newRow("ProgressBar1") << QRect(64, 412, 393, 9);
    }
    // At the smallest size the layouts give each control its designed size
    // within a few pixels of its designed place; the lists take what is left.
    void controlsSitAtTheirBounds() {
        ShowWindow();
        QFETCH(QRect, bounds);
        QWidget *widget = Find(QTest::currentDataTag());
        QVERIFY(widget);
        // Bounds count from the client area of the parent: inside the tool panel's border.
        const QPoint origin = widget->parentWidget()->contentsRect().topLeft();
        const QRect geometry = widget->geometry().translated(-origin);
        const QPoint offset = geometry.topLeft() - bounds.topLeft();
        QVERIFY2(std::abs(offset.x()) <= 3 && std::abs(offset.y()) <= 6,
                 qPrintable(QStringLiteral("moved by %1,%2").arg(offset.x()).arg(offset.y())));
        QVERIFY(std::abs(geometry.width() - bounds.width()) <= 1);
        QVERIFY(geometry.height() >= bounds.height() && geometry.height() <= bounds.height() + 8);
    }

    void labelsKeepTheirPlaceAndTakeTheSizeOfTheirCaption_data() {
        QTest::addColumn<QPoint>("place");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Label6") << QPoint(320, 96) << QStringLiteral("DVD Player or PC");
        QTest::newRow("Label7") << QPoint(8, 140) << QStringLiteral("Original:");
        QTest::newRow("Formato") << QPoint(64, 140) << QStringLiteral("...");
        QTest::newRow("Label16") << QPoint(260, 360) << QStringLiteral("Frames");
        QTest::newRow("FicheiroOrigem") << QPoint(8, 56) << QStringLiteral("Nome do Ficheiro");
        QTest::newRow("txtInicio") << QPoint(32, 360) << QStringLiteral("Inicio");
    }
    void labelsKeepTheirPlaceAndTakeTheSizeOfTheirCaption() {
        QFETCH(QPoint, place);
        QFETCH(QString, caption);
        auto *label = Find<QLabel>(QTest::currentDataTag());
        QVERIFY(label);
        QCOMPARE(label->pos(), place);
        QCOMPARE(label->text(), caption);
        QCOMPARE(label->size(), label->sizeHint());
    }

    void captionsHintsAndStatesShowTheDesign_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tip");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("btAbrir") << QStringLiteral("Abrir") << QStringLiteral("Abrir legenda") << true;
        QTest::newRow("btNovo") << QStringLiteral("Novo") << QStringLiteral("Novo") << false;
        QTest::newRow("btAVIInfo") << QStringLiteral("AVI Info") << QString() << true;
        QTest::newRow("SpeedButton1")
            << QStringLiteral("WMP") << QStringLiteral("Play Windows Media Player") << true;
        QTest::newRow("bt_ID") << QStringLiteral("DivX") << QStringLiteral("Put DivX on Startup") << false;
        QTest::newRow("btErase") << QString() << QStringLiteral("Delete") << false;
        QTest::newRow("btSup") << QString() << QStringLiteral("Uppercase") << true;
    }
    void captionsHintsAndStatesShowTheDesign() {
        QFETCH(QString, caption);
        QFETCH(QString, tip);
        QFETCH(bool, enabled);
        auto *button = Find<QToolButton>(QTest::currentDataTag());
        QVERIFY(button);
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->toolTip(), tip);
        QCOMPARE(button->isEnabled(), enabled);
    }

    void widgetsAreOfTheirControlsKind() {
        QVERIFY(Find<QListView>("ListBox1")->uniformItemSizes());
        QVERIFY(Find<QComboBox>("Combobox2")->isEditable());
        for (const char *list : {"ComboBox1", "ComboBox3", "SaveFormato"})
            QVERIFY2(!Find<QComboBox>(list)->isEditable(), list);
        for (const char *shown : {"Edit1", "Edit7", "Edit12"})
            QVERIFY2(!Find<QLineEdit>(shown)->isEnabled(), shown);
        QVERIFY(Find<QToolButton>("SpeedButton4")->isHidden());
        QCOMPARE(Find<TextLinesView>("Memo1")->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        // The working lists are storage, not widgets; a hint kept from showing shows nothing.
        QVERIFY(!window->findChild<QWidget *>(QStringLiteral("ListBox3")));
        QVERIFY(Find("AtrasoEdit")->toolTip().isEmpty());

        const QFont red = Find("Label7")->font();
        QVERIFY(red.bold() && red.italic());
        QCOMPARE(Find("Label7")->palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(Find("Formato")->palette().color(QPalette::WindowText), QColor(0, 0, 0x80));
    }

    void statusBarShowsThreeCentredPanels() {
        ShowWindow();
        const auto panels = window->statusBar()->findChildren<QLabel *>();
        QCOMPARE(panels.size(), 3);
        // Edge to edge from the bar's left end, where the mouse handlers measure from.
        QCOMPARE(panels[0]->x(), 0);
        QCOMPARE(panels[0]->width(), 180);
        QCOMPARE(panels[1]->x(), 180);
        QCOMPARE(panels[1]->width(), 100);
        QCOMPARE(panels[2]->x(), 280);
        QCOMPARE(panels[1]->text(), QStringLiteral("Vers\u00E3o 4.20"));
        QVERIFY(panels[2]->width() >= 50);
        QCOMPARE(panels[2]->geometry().right(), window->statusBar()->width() - 1);
        for (const QLabel *panel : panels)
            QVERIFY(panel->alignment() & Qt::AlignHCenter);
    }

    void mainMenuHoldsTheDesignedItems() {
        const auto top = window->menuBar()->actions();
        QCOMPARE(top.size(), 4);
        QCOMPARE(top[0]->objectName(), QStringLiteral("Ficheiro1"));
        QCOMPARE(top[0]->text(), QStringLiteral("&Ficheiro"));
        QCOMPARE(top[1]->objectName(), QStringLiteral("Editar1"));
        QCOMPARE(top[3]->objectName(), QStringLiteral("Converter2"));
        QVERIFY(!top[3]->menu());
        QStringList file;
        for (const QAction *action : top[0]->menu()->actions())
            file << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
        QCOMPARE(file, (QStringList{"Novo2", "Abrir2", "Gravar1", "ReopenWithEncoding", "-", "Recente1",
                                    "Recente2", "Recente3", "Recente4", "Recente5", "Recente6", "Recente7",
                                    "Recente8", "-", "Sair1"}));
        QVERIFY(Action("Portugus1")->isChecked());
        QVERIFY(!Action("Ingls1")->isChecked());
        QVERIFY(Action("ActivarosAlertas1")->isChecked());
        QVERIFY(!Action("Novo2")->isEnabled());
    }

    void menuShortcuts_data() {
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::newRow("Novo2") << QKeySequence(Qt::CTRL | Qt::Key_N);
        QTest::newRow("Abrir2") << QKeySequence(Qt::CTRL | Qt::Key_A);
        QTest::newRow("CalcularFPS1") << QKeySequence(Qt::CTRL | Qt::Key_C);
        QTest::newRow("Font1") << QKeySequence(Qt::CTRL | Qt::Key_F);
        QTest::newRow("Sair1") << QKeySequence();
        QTest::newRow("Desfazer1") << QKeySequence(Qt::CTRL | Qt::Key_Z);
        QTest::newRow("Refazer1") << QKeySequence(Qt::CTRL | Qt::Key_Y);
    }
    void menuShortcuts() {
        QFETCH(QKeySequence, shortcut);
        QCOMPARE(Action(QTest::currentDataTag())->shortcut(), shortcut);
        if (QTest::currentDataTag() == QStringLiteral("Refazer1"))
            QCOMPARE(Action("Refazer1")->shortcuts().value(1),
                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    }

    void popupMenuKeepsItsOrder() {
        auto *popup = Find<QMenu>("PopupMenu1");
        QVERIFY(popup);
        QStringList items;
        for (const QAction *action : popup->actions())
            items << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
        QCOMPARE(items, (QStringList{"Novo1", "Abrir1", "Guardar1", "Converter1", "-", "AlteraNome1",
                                     "Eliminar", "Propriedades"}));
        QVERIFY(popup->actions()[4]->text().isEmpty());
        QVERIFY(popup->actions()[1]->isEnabled());
        QVERIFY(!popup->actions()[0]->isEnabled());
    }

    void activationReadsTheSettingsAtEveryReturn() {
        ShowWindow();
        // The first activation wrote every default.
        QVERIFY(Stored("MaxLinha"));
        QCOMPARE(std::get<int>(*Stored("MaxLinha")), 34);
        // A value typed but never confirmed gives way to the stored one when
        // the window becomes active again.
        QTest::keyClicks(Find("Edit3"), "9");
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QCOMPARE(form->Edit3.Text, std::string("34"));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QCOMPARE(Find<QLineEdit>("Edit3")->text(), QStringLiteral("34"));
        // Leaving for another program is no Exit: nothing was stored.
        QCOMPARE(std::get<int>(*Stored("MaxLinha")), 34);
        QVERIFY(dialogs->boxes.empty());
    }

    void leavingAnEditRunsItsExitHandler() {
        ShowWindow();
        auto *edit3 = Find<QLineEdit>("Edit3");
        ClickInto(edit3);
        edit3->selectAll();
        QTest::keyClicks(edit3, "40");
        ClickInto(Find("Edit4"));
        QCOMPARE(form->Edit3.Text, std::string("40"));
        QCOMPARE(std::get<int>(*Stored("MaxLinha")), 40);
        QVERIFY(Find("Edit4")->hasFocus());
    }

    void openingADialogRunsNoExit() {
        ShowWindow();
        auto *edit3 = Find<QLineEdit>("Edit3");
        ClickInto(edit3);
        edit3->selectAll();
        QTest::keyClicks(edit3, "41");
        QDialog dialog(window.get());
        bool wasActive = false;
        QTimer::singleShot(0, &dialog, [&] {
            wasActive = QTest::qWaitForWindowActive(&dialog);
            dialog.accept();
        });
        dialog.exec();
        QVERIFY(wasActive);
        QTest::qWait(0);
        QCOMPARE(std::get<int>(*Stored("MaxLinha")), 34);
        QVERIFY(dialogs->boxes.empty());
    }

    void statusBarMouseEventsCarryThePointer() {
        ShowWindow();
        QTest::mouseClick(window->statusBar(), Qt::LeftButton, {}, QPoint(300, 8));
        QCOMPARE(form->StatusBar1.MouseX, 300);
        QVERIFY(form->StatusBar1.LeftButton);
        QTest::mouseClick(window->statusBar(), Qt::RightButton, {}, QPoint(20, 8));
        QCOMPARE(form->StatusBar1.MouseX, 20);
        QVERIFY(!form->StatusBar1.LeftButton);
    }

    void aFailedExitPutsTheFocusBack() {
        ShowWindow();
        auto *edit4 = Find<QLineEdit>("Edit4");
        ClickInto(edit4);
        edit4->selectAll();
        QTest::keyClicks(edit4, "abc");
        QTest::keyClick(edit4, Qt::Key_Tab);
        QTRY_VERIFY(edit4->hasFocus());
        QCOMPARE(dialogs->boxes.size(), std::size_t(1));
        QCOMPARE(dialogs->boxes[0].text, std::string("Erro"));
        QCOMPARE(edit4->text(), QString());
        QCOMPARE(std::get<int>(*Stored("MaxSum")), 60);
    }

    void theExitRunsBeforeTheClickThatLeftTheField() {
        ShowWindow();
        form->ListBox1.Items = TextList{"{10}{20}A", "{30}{40}B", "{50}{60}C"};
        form->KeptCopy() = form->ListBox1.Items;
        form->ListBox1.ItemIndex = 0;
        window->Refresh();
        auto *edit3 = Find<QLineEdit>("Edit3");
        ClickInto(edit3);
        edit3->selectAll();
        QTest::keyClicks(edit3, "40");
        // Leaving Edit3 with a list open loads the list again and selects its
        // second entry; the click into the third entry comes after that.
        auto *list = Find<QListView>("ListBox1");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(2, 0)).center());
        QTest::qWait(0);
        QCOMPARE(form->MaxLineLength, 40);
        QCOMPARE(form->ListBox1.ItemIndex, 2);
        QCOMPARE(Find<QLineEdit>("Edit5")->text(), QStringLiteral("50"));
    }

    void selectingAnEntryShowsIt() {
        ShowWindow();
        form->ListBox1.Items = TextList{"{100}{150}Hi", "{200}{260}There"};
        window->Refresh();
        auto *list = Find<QListView>("ListBox1");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(0, 0)).center());
        QCOMPARE(Find<QLineEdit>("Edit5")->text(), QStringLiteral("100"));
        QCOMPARE(Find<QLineEdit>("Edit7")->text(), QStringLiteral("50"));
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(form->ListBox1.ItemIndex, 1);
        QCOMPARE(Find<QLineEdit>("Edit6")->text(), QStringLiteral("260"));
        // A right click opens the menu and leaves the selection alone.
        QTest::mousePress(list->viewport(), Qt::RightButton, {},
                          list->visualRect(list->model()->index(0, 0)).center());
        QTest::mouseRelease(list->viewport(), Qt::RightButton, {},
                            list->visualRect(list->model()->index(0, 0)).center());
        QCOMPARE(form->ListBox1.ItemIndex, 1);
    }

    // Selects a row of the subtitle list with the mouse, as the user does.
    QListView *ClickRow(const TextList &entries, int row) {
        form->ListBox1.Items = entries;
        window->Refresh();
        auto *list = Find<QListView>("ListBox1");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(row, 0)).center());
        return list;
    }

    void threeClicksOnTheStartArrowMoveTheStart() {
        ShowWindow();
        ClickRow(TextList{"{0}{1}first", "{100}{150}Hi"}, 1);
        QToolButton *up = nullptr;
        for (auto *arrow : Find("UpDown1")->findChildren<QToolButton *>())
            if (arrow->arrowType() == Qt::UpArrow)
                up = arrow;
        QVERIFY(up);
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(up, Qt::LeftButton);
        QCOMPARE(form->SubtitleList()[1], std::string("{103}{150}Hi"));
        QCOMPARE(Find<QLineEdit>("Edit5")->text(), QStringLiteral("103"));
        QCOMPARE(Find<QLineEdit>("Edit7")->text(), QStringLiteral("47"));
    }

    void deleteInTheListRemovesTheEntryAndSelectsTheNext() {
        ShowWindow();
        QListView *list = ClickRow(TextList{"{10}{20}A", "{30}{40}B", "{50}{60}C"}, 0);
        dialogs->answers.push_back(true);
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(dialogs->boxes.at(0).kind, std::string("question"));
        QCOMPARE(form->SubtitleList(), (TextList{"{30}{40}B", "{50}{60}C"}));
        QCOMPARE(list->currentIndex().row(), 0);
        QCOMPARE(Find<QLineEdit>("Edit5")->text(), QStringLiteral("30"));
    }

    void aDoubleClickOpensTheInputDialogWithTheText() {
        ShowWindow();
        QListView *list = ClickRow(TextList{"{100}{150}Hello|world"}, 0);
        dialogs->inputs.push_back("Hi");
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                           list->visualRect(list->model()->index(0, 0)).center());
        QCOMPARE(dialogs->proposals, std::vector<std::string>{"Hello|world"});
        QCOMPARE(dialogs->boxes.at(0).text, form->Message(MessageRow::ChangeSubtitles));
        QCOMPARE(form->SubtitleList()[0], std::string("{100}{150}Hi"));
    }

    void modelsReachTheWidgets() {
        form->Formato.Caption = "SubRip";
        form->btNovo.Enabled = true;
        form->Edit5.Text = "1é";
        form->Memo1.Lines = TextList{"1", "00:00:01,000 --> 00:00:02,000", "Olá", ""};
        form->Novo2.Enabled = true;
        window->Refresh();
        QCOMPARE(Find<QLabel>("Formato")->text(), QStringLiteral("SubRip"));
        QVERIFY(Find("btNovo")->isEnabled());
        QCOMPARE(Find<QLineEdit>("Edit5")->text(), QStringLiteral("1\u00E9"));
        auto *memo = Find<TextLinesView>("Memo1");
        memo->SelectAll();
        QCOMPARE(memo->SelectedText(), QStringLiteral("1\n00:00:01,000 --> 00:00:02,000\nOl\u00E1\n\n"));
        QVERIFY(Action("Novo2")->isEnabled());
    }

    // Ctrl+A and Ctrl+C are also the shortcuts of "Open" and "Frame rate":
    // in the memo they select and copy its text.
    void memoKeysSelectAndCopyTheText() {
        ShowWindow();
        form->Memo1.Lines = TextList{"1", "00:00:01,000 --> 00:00:02,000", "Olá", ""};
        window->Refresh();
        auto *memo = Find<TextLinesView>("Memo1");
        ClickInto(memo);
        QVERIFY(memo->hasFocus());
        QApplication::clipboard()->clear();
        QTest::keyClick(memo, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(memo, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(memo, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1\n0"));
        QTest::keyClick(memo, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(memo, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(),
                 QStringLiteral("1\n00:00:01,000 --> 00:00:02,000\nOl\u00E1\n\n"));
        QVERIFY(dialogs->boxes.empty());
    }

    // A declined correction selects the first faulty entry behind the message
    // that tells it, and fills the edit fields once the message is closed.
    void convertSelectsTheFaultyEntryBeforeTellingIt() {
        ShowWindow();
        form->ListBox1.Items = TextList{"{10}{20}a", "{15}{30}b"};
        dialogs->answers.push_back(false);
        std::vector<std::pair<int, std::string>> seen;
        dialogs->onMessage = [&] { seen.emplace_back(form->ListBox1.ItemIndex, form->Edit5.Text); };
        Action("Converter2")->trigger();
        QCOMPARE(dialogs->boxes.at(1).text,
                 form->Message(MessageRow::StartBeforePreviousEnd) + "\n\r{15}{30}b");
        QCOMPARE(seen.at(0).first, 1);
        QVERIFY(seen.at(0).second != "15");
        QCOMPARE(seen.at(1), std::pair(1, std::string("15")));
        QVERIFY(!form->Memo1.Lines.Empty());
    }

    // Typing into the converted text changes the memo's lines, which saving
    // writes; the view's own undo takes typing back, the list's history never sees it.
    void typingIntoTheMemoIsSaved() {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("film.srt"));
        ShowWindow();
        form->Memo1.Lines = TextList{"1", "00:00:01,000 --> 00:00:02,000", "Hello", ""};
        form->btGravar.Enabled = true;
        window->Refresh();
        auto *memo = Find<TextLinesView>("Memo1");
        ClickInto(memo);
        QTest::keyClick(memo, Qt::Key_Down);
        QTest::keyClick(memo, Qt::Key_Down);
        QTest::keyClick(memo, Qt::Key_End);
        QTest::keyClicks(memo, " worlx");
        QTest::keyClick(memo, Qt::Key_Backspace);
        QTest::keyClicks(memo, "d!");
        QTest::keyClick(memo, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(memo, Qt::Key_Left, Qt::ControlModifier);
        QTest::keyClick(memo, Qt::Key_Return);
        QCOMPARE(form->Memo1.Lines, (TextList{"1", "00:00:01,000 --> 00:00:02,000", "Hello ", "world", ""}));
        QTest::keyClick(memo, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(memo, Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(memo, Qt::Key_Backspace);
        QTest::keyClick(memo, Qt::Key_Delete);
        QCOMPARE(form->Memo1.Lines[2], std::string("Hello orld"));
        QVERIFY(!form->History.CanUndo());

        dialogs->files.push_back(file.toStdString());
        QTest::mouseClick(Find("btGravar"), Qt::LeftButton);
        QFile saved(file);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray("1\r\n00:00:01,000 --> 00:00:02,000\r\nHello orld\r\n\r\n"));
    }

    // One line of a million typed into within the window's freeze limit.
    void typingIntoAMillionLinesStaysQuick() {
        std::vector<std::string> srt;
        for (int i = 0; i < 250'000; ++i)
            srt.insert(srt.end(), {std::to_string(i + 1), "00:00:01,000 --> 00:00:02,000", "Text", ""});
        form->Memo1.Lines = TextList(std::move(srt));
        ShowWindow();
        auto *memo = Find<TextLinesView>("Memo1");
        ClickInto(memo);
        QTest::keyClick(memo, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(memo, Qt::Key_Up);
        QTest::keyClick(memo, Qt::Key_Up);
        QTest::keyClick(memo, Qt::Key_End);
        QElapsedTimer clock;
        clock.start();
        QTest::keyClicks(memo, "abcdefghij");
        QTest::keyClick(memo, Qt::Key_Return);
        QApplication::processEvents();
        const qint64 elapsed = clock.elapsed();
        qInfo("typing 11 keys into a line of a million, painted: %lld us",
              static_cast<long long>(clock.nsecsElapsed() / 1000));
        QCOMPARE(form->Memo1.Lines[999'998], std::string("Textabcdefghij"));
        QCOMPARE(form->Memo1.Lines.Count(), std::size_t(1'000'001));
        QVERIFY2(elapsed < 11 * 100, QByteArray::number(elapsed).constData());
    }

    void aMillionEntriesMakeNoWidgets() {
        form->ListBox1.Items = TextList(std::vector<std::string>(1'000'000, "{1}{2}x"));
        // A million lines of SubRip text, a quarter of a million subtitles.
        std::vector<std::string> srt;
        for (int i = 0; i < 250'000; ++i)
            srt.insert(srt.end(), {std::to_string(i + 1), "00:00:01,000 --> 00:00:02,000", "Text", ""});
        form->Memo1.Lines = TextList(std::move(srt));
        QElapsedTimer clock;
        clock.start();
        ShowWindow();
        QCOMPARE(Find<QListView>("ListBox1")->model()->rowCount(), 1'000'000);
        QVERIFY(Find<QListView>("ListBox1")->findChildren<QWidget *>().size() < 20);
        QCOMPARE(Find<TextLinesView>("Memo1")->Lines().Count(), std::size_t(1'000'000));
        QVERIFY2(clock.elapsed() < 5000, QByteArray::number(clock.elapsed()).constData());
    }

    void theOpenButtonRunsTheOpener() {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("film.sub"));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("{1}{1}23.976\r\n{10}{40}Hi\r\n{50}{90}There\r\n");
        out.close();
        ShowWindow();
        dialogs->files.push_back(file.toStdString());
        QTest::mouseClick(Find("btAbrir"), Qt::LeftButton);
        QCOMPARE(dialogs->boxes.at(0).kind, std::string("open"));
        QCOMPARE(dialogs->boxes.at(0).text, std::string("Abrir Legenda"));
        QCOMPARE(Find<QListView>("ListBox1")->model()->rowCount(), 2);
        QCOMPARE(Find<QLabel>("Formato")->text(), QStringLiteral("MicroDVD"));
        QCOMPARE(Find<QComboBox>("Combobox2")->currentText(), QStringLiteral("23,976"));
        QVERIFY(!Find("btAbrir")->isEnabled());
        QVERIFY(Find("btNovo")->isEnabled());
        QTRY_VERIFY(Find("ListBox1")->hasFocus());
    }

    // "lumavert FILE" and a file dropped on the window go through the opener
    // as if chosen in the open dialog.
    void aFileNamedAtStartOpensOnceTheWindowIsActive() {
        QTemporaryDir folder;
        const QString file = WriteFile(folder, "film.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\nHi\r\n");
        window->OpenAtStart(file.toStdString());
        ShowWindow();
        QCOMPARE(Find<QListView>("ListBox1")->model()->rowCount(), 1);
        QCOMPARE(Find<QLabel>("Formato")->text(), QStringLiteral("SubRip"));
        QCOMPARE(Find<QLineEdit>("Edit1")->text(), QStringLiteral("film.srt"));
        // The settings are read first: alerts are on unless a user turned them off.
        QCOMPARE(dialogs->boxes.size(), std::size_t(1));
        QCOMPARE(dialogs->boxes[0].text, std::string("Não esquecer de usar a mesma FPS"));
    }

    void aFileDroppedOnAnEditFieldOpens() {
        QTemporaryDir folder;
        const QString file = WriteFile(folder, "film.sub", "{10}{40}Hi\r\n{50}{90}There\r\n");
        ShowWindow();
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file)});
        auto *edit = Find<QLineEdit>("Edit1");
        QDragEnterEvent enter(QPoint(4, 4), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(edit, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(4, 4), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(edit, &drop);
        QTRY_COMPARE(Find<QListView>("ListBox1")->model()->rowCount(), 2);
        QCOMPARE(Find<QLabel>("Formato")->text(), QStringLiteral("MicroDVD"));
        QCOMPARE(edit->text(), QStringLiteral("film.sub"));
        QCOMPARE(DroppedFile(&data), file);
    }

    void enterPressesTheDefaultButton() {
        ShowWindow();
        ClickInto(Find("Edit3"));
        dialogs->files.push_back(std::nullopt);
        QTest::keyClick(Find("Edit3"), Qt::Key_Return);
        QCOMPARE(dialogs->boxes.size(), std::size_t(1));
        QCOMPARE(dialogs->boxes[0].kind, std::string("open"));
    }

    // The sync decodes away from the window's thread under a progress bar and
    // its result reaches the boxes' widgets.
    void syncToVideoFillsTheBoxes() {
        struct ThreadedMedia : SpeechMedia {
            std::atomic<bool> offTheWindowThread{false};
            MediaOutcome DecodeAudio(const std::string &file, int rate, AudioReceiver &receiver) override {
                offTheWindowThread = QThread::currentThread() != qApp->thread();
                return SpeechMedia::DecodeAudio(file, rate, receiver);
            }
        } media;
        ShowWindow();
        QCOMPARE(Action("SincronizarVideo1")->text(), QStringLiteral("Sincronizar com o vídeo"));
        form->Media = &media;
        form->SubtitleList().Assign(LateList());
        form->Combobox2.Text = "25";
        window->Refresh();
        dialogs->files = {"film.mkv"};
        Action("SincronizarVideo1")->trigger();
        QVERIFY(media.offTheWindowThread);
        QCOMPARE(Find<QComboBox>("Combobox2")->currentText(), QStringLiteral("25"));
        const QString delay = Find<QLineEdit>("AtrasoEdit")->text();
        QVERIFY2(delay.startsWith(QStringLiteral("1,9")) || delay.startsWith(QStringLiteral("2,0")),
                 qPrintable(delay));
        QCOMPARE(dialogs->boxes.back().text, "rate 25 -> 25, delay 0 -> +" + delay.toStdString() + " s");
    }

    void emptyListConvertsToNothing() {
        ShowWindow();
        QVERIFY(Action("Converter2")->isEnabled());
        Action("Converter2")->trigger();
        QVERIFY(dialogs->boxes.empty());
        QVERIFY(form->Memo1.Lines.Empty());
    }

    void exitClosesTheWindow() {
        ShowWindow();
        Action("Sair1")->trigger();
        QVERIFY(!window->isVisible());
    }

    void englishRelabelsTheWindow() {
        ShowWindow();
        Action("Ingls1")->trigger();
        auto *open = Find<QToolButton>("btAbrir");
        QCOMPARE(open->text(), QStringLiteral("Open"));
        QCOMPARE(open->toolTip(), QStringLiteral("Open Subtitle"));
        QVERIFY(Action("Ingls1")->isChecked());
        QVERIFY(!Action("Portugus1")->isChecked());
        QCOMPARE(std::get<int>(*Stored("Idioma")), 2);
    }

    void enterFitsThenConvertsThenOpensTheSaveDialog() {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("film.sub"));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("{1}{1}25\r\n{10}{40}Hi|there|again\r\n{50}{90}There\r\n");
        out.close();
        // Not a first start, which leaves the line count box without a selection.
        settings->keys["Software\\Lumavert"]["NLinhas"] = 2;
        ShowWindow();
        dialogs->files.push_back(file.toStdString());
        QTest::mouseClick(Find("btAbrir"), Qt::LeftButton);
        QTRY_VERIFY(Find("ListBox1")->hasFocus());

        QTest::keyClick(Find("ListBox1"), Qt::Key_Return);
        QCOMPARE(form->SubtitleList().Count(), std::size_t(3));
        QTRY_VERIFY(Find("btConvert")->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(dialogs->boxes.back().text, form->Message(MessageRow::Success));
        // The window takes the focus back once the progress bar has gone.
        QTRY_VERIFY(Find("btGravar")->hasFocus());
        dialogs->files.push_back(std::nullopt);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(dialogs->boxes.back().text, std::string("Gravar ficheiro Srt"));
        // The bar is drawn while a handler runs, not only after it.
        form->ProgressBar1.Position = 40;
        window->ShowProgress();
        QCOMPARE(Find<QProgressBar>("ProgressBar1")->value(), 40);
    }

    void longWorkTurnsTheEventLoopButKeepsTheWindowOpen() {
        QTemporaryDir folder;
        QByteArray entries;
        for (int i = 0; i < 300; ++i)
            entries += QByteArray::number(10 * i + 1) + "," + QByteArray::number(10 * i + 5) + ",\"Hi\"\r\n";
        const QString file = WriteFile(folder, "film.mpl", entries);
        ShowWindow();
        dialogs->files.push_back(file.toStdString());
        QTest::mouseClick(Find("btAbrir"), Qt::LeftButton);
        QCOMPARE(form->SubtitleList().Count(), std::size_t(300));

        // The conversion runs on a thread of its own while the window's event
        // loop turns; a close asked for meanwhile is refused.
        bool converting = true;
        int turnsWhileConverting = 0;
        QTimer::singleShot(0, window.get(), [&] { turnsWhileConverting += converting; });
        QMetaObject::invokeMethod(window.get(), &QWidget::close, Qt::QueuedConnection);
        QTest::mouseClick(Find("btConvert"), Qt::LeftButton);
        converting = false;
        QCOMPARE(turnsWhileConverting, 1);
        QVERIFY(window->isVisible());
        QVERIFY(!form->Memo1.Lines.Empty());
        // The memo's view shows the converted text itself, not a copy of it.
        QTRY_COMPARE(Find<TextLinesView>("Memo1")->Lines()[0].data(), form->Memo1.Lines[0].data());
    }

    void anEntryEditedInPlaceKeepsTheListWhereItWas() {
        QTemporaryDir folder;
        QByteArray entries;
        for (int i = 0; i < 40; ++i)
            entries +=
                "{" + QByteArray::number(10 * i + 1) + "}{" + QByteArray::number(10 * i + 5) + "}Hi\r\n";
        const QString file = WriteFile(folder, "film.sub", entries);
        ShowWindow();
        dialogs->files.push_back(file.toStdString());
        QTest::mouseClick(Find("btAbrir"), Qt::LeftButton);
        auto *list = Find<QListView>("ListBox1");
        QTRY_VERIFY(list->hasFocus());
        list->scrollTo(list->model()->index(10, 0), QAbstractItemView::PositionAtTop);
        list->setCurrentIndex(list->model()->index(12, 0));
        QCOMPARE(form->ListBox1.ItemIndex, 12);

        int resets = 0;
        connect(list->model(), &QAbstractItemModel::modelReset, this, [&resets] { ++resets; });
        auto *start = Find<QLineEdit>("Edit5");
        ClickInto(start);
        start->selectAll();
        QTest::keyClicks(start, "122");
        ClickInto(Find("Edit6"));
        QTRY_COMPARE(QString::fromStdString(std::string(form->SubtitleList()[12])),
                     QStringLiteral("{122}{125}Hi"));
        QCOMPARE(list->model()->index(12, 0).data().toString(), QStringLiteral("{122}{125}Hi"));
        QCOMPARE(list->currentIndex().row(), 12);
        QCOMPARE(list->indexAt(QPoint(1, 1)).row(), 10);
        QCOMPARE(resets, 0);
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
