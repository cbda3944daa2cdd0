#include "app/PreviewWindow.h"
#include "app/MainWindow.h"
#include "app/QtMediaPlayer.h"
#include "app/VideoCanvas.h"
#include "media/GstMediaSource.h"
#include "shell/SettingsNames.h"
#include "shell/Unit1.h"
#include "tests/app/ScriptedDialogs.h"
#include "tests/support/AviBuilder.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/FilmClips.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMediaPlayer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QVideoFrame>
#include <QVideoSink>

#include <functional>
#include <memory>

namespace {

// The main window's port shows the real preview window.
class PreviewDialogs : public ScriptedDialogs {
public:
    PreviewWindow *preview = nullptr;
    void ShowPreview(TForm2 &) override { preview->ShowBeside(); }
};

} // namespace

// The preview window with the real player, opened from the main window's
// button, playing a film the test writes. Run a second time with GStreamer
// looking for its plugins in an empty folder (LUMAVERT_NO_DECODERS set).
class PreviewWindowTest : public QObject {
    Q_OBJECT

    // The program's pieces with the real player and scripted dialogs and settings.
    struct Program {
        PreviewDialogs dialogs;
        MemorySettings settings;
        FakeLauncher launcher;
        QtMediaPlayer player;
        Platform platform{dialogs, settings, launcher, player};
        TForm1 form{platform};
        MainWindow window{form};
        PreviewWindow preview{form.Form2, player, &window};
    };

    QTemporaryDir folder;
    QString film;
    std::unique_ptr<Program> program;
    PreviewWindow *preview = nullptr;

    static bool WithoutDecoders() { return qEnvironmentVariableIsSet("LUMAVERT_NO_DECODERS"); }

    template <class T = QWidget> T *Find(QWidget *parent, const char *name) const {
        return parent->findChild<T *>(QString::fromLatin1(name));
    }
    QString LabelText(const char *name) const { return Find<QLabel>(preview, name)->text(); }
    void Click(QWidget *parent, const char *name) { QTest::mouseClick(Find(parent, name), Qt::LeftButton); }

    // Opens the preview through the main window's button, runs the steps
    // while it is shown and closes it with its close box.
    void WhileShown(const std::function<void()> &steps) {
        Click(&program->window, "SpeedButton1");
        QTRY_VERIFY(preview->isVisible());
        steps();
        preview->close();
        QVERIFY(!preview->isVisible());
    }

private slots:
    void initTestCase() {
        QVERIFY(folder.isValid());
        film = folder.filePath(QStringLiteral("film.avi"));
        QFile file(film);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const std::string bytes = avi::UncompressedFilm(32, 24, 10);
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }

    void init() {
        program = std::make_unique<Program>();
        preview = &program->preview;
        program->dialogs.preview = preview;
        program->window.show();
        QVERIFY(QTest::qWaitForWindowActive(&program->window));
    }

    void cleanup() {
        QVERIFY(program->dialogs.unscripted.empty());
        program.reset();
    }

    void windowAsDesigned() {
        QCOMPARE(preview->size(), QSize(628, 462));
        QCOMPARE(preview->minimumSize(), preview->maximumSize());
        QVERIFY(!(preview->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(preview->windowFlags() & Qt::WindowCloseButtonHint);
        QCOMPARE(preview->windowTitle(), QStringLiteral("Windows Media Player (Video)"));
        QCOMPARE(Find(preview, "WindowsMediaPlayer1")->geometry(), QRect(0, 0, 628, 392));
        QCOMPARE(Find(preview, "ScrollBox1")->geometry(), QRect(0, 392, 628, 70));
        // No player until the first film: making one is what fails where decoders are missing.
        QVERIFY(!preview->findChild<QMediaPlayer *>());
    }

    void playsStopsClosesAndKeepsItsLabels() {
        if (WithoutDecoders())
            QSKIP("GStreamer has no plugins in this run");
        // Returning to the main window activates it, which reads the settings again.
        program->settings.keys["Software\\Lumavert"][kLanguageValue] = 2;
        const QString notes = folder.filePath(QStringLiteral("notes.avi"));
        QFile(notes).open(QIODevice::WriteOnly);
        program->dialogs.files = {film.toStdString(), notes.toStdString(), film.toStdString()};
        WhileShown([&] {
            Click(preview, "btPlay");
            QCOMPARE(LabelText("Label3"), QStringLiteral("DIB  (32x24) - 25 fps"));
            QCOMPARE(LabelText("Label4"), QString());
            auto *player = preview->findChild<QMediaPlayer *>();
            QVERIFY(player);
            auto *video = preview->findChild<VideoCanvas *>();
            int frames = 0;
            QObject::connect(video->videoSink(), &QVideoSink::videoFrameChanged, video, [&] { ++frames; });
            QTRY_VERIFY_WITH_TIMEOUT(frames > 0, 10000);
            QCOMPARE(player->error(), QMediaPlayer::NoError);

            Click(preview, "btStop");
            QVERIFY(!Find(preview, "btStop")->isEnabled());
            QCOMPARE(player->playbackState(), QMediaPlayer::StoppedState);
            QVERIFY(player->source().isEmpty());

            // A file that does not play: the area says why, until a film plays.
            Click(preview, "btPlay");
            QCOMPARE(LabelText("Label3"), QStringLiteral("...."));
            QTRY_VERIFY(Find(preview, "PlayerProblem")->isVisible());
            Click(preview, "btPlay");
            QVERIFY(!Find(preview, "PlayerProblem")->isVisible());
            QTRY_COMPARE(player->playbackState(), QMediaPlayer::PlayingState);
        });
        auto *player = preview->findChild<QMediaPlayer *>();
        QVERIFY(player->source().isEmpty());
        QCOMPARE(player->playbackState(), QMediaPlayer::StoppedState);
        QTRY_COMPARE(program->form.CurrentLanguage, std::uint8_t{2});

        WhileShown([&] {
            QCOMPARE(LabelText("Label3"), QStringLiteral("DIB  (32x24) - 25 fps"));
            QVERIFY(Find(preview, "btStop")->isEnabled());
        });
    }

    // The main window's list at its boxes' rate and delay, over the film as
    // it plays; typing in the delay box moves the subtitles at once.
    void subtitlesOverTheFilm() {
        if (WithoutDecoders())
            QSKIP("GStreamer has no plugins in this run");
        TForm1 &form = program->form;
        form.SubtitleList().Assign(TextList(std::vector<std::string>{"{0}{250}Hello|world"}));
        form.Combobox2.Text = "25";
        program->window.Refresh();
        program->window.SetFollower([this] { preview->FollowMainWindow(); });
        program->dialogs.files = {film.toStdString()};
        WhileShown([&] {
            Click(preview, "btPlay");
            auto *video = preview->findChild<VideoCanvas *>();
            QTRY_COMPARE_WITH_TIMEOUT(video->Subtitle(), QStringLiteral("Hello\nworld"), 10000);
            auto *delay = Find<QLineEdit>(&program->window, "AtrasoEdit");
            delay->setText(QStringLiteral("-20"));
            QCOMPARE(video->Subtitle(), QString());
            delay->setText(QStringLiteral("0"));
            QCOMPARE(video->Subtitle(), QStringLiteral("Hello\nworld"));
        });
    }

    // A film of each kind people have, made here: its facts show under the
    // picture, its frames reach the canvas with the subtitle over them, and
    // a film with sound plays where there is no sound device (as on the
    // machines the tests run on).
    void filmsOfEveryKindPlay_data() {
        QTest::addColumn<int>("clip");
        for (std::size_t i = 0; i < kFilmClips.size(); ++i)
            QTest::newRow(kFilmClips[i].file) << static_cast<int>(i);
    }

    void filmsOfEveryKindPlay() {
        if (WithoutDecoders())
            QSKIP("GStreamer has no plugins in this run");
        QFETCH(int, clip);
        const FilmClip &kind = kFilmClips.at(static_cast<std::size_t>(clip));
        if (const std::string missing = MissingEncoder(kind); !missing.empty())
            QSKIP(qPrintable(QStringLiteral("ffmpeg has no encoder ") + QString::fromStdString(missing)));
        const std::string file = MakeFilmClip(kind, folder.path().toStdString());
        QVERIFY(!file.empty());
        GstMediaSource media;
        program->form.Form2.Media = &media;
        program->form.SubtitleList().Assign(TextList(std::vector<std::string>{"{0}{250}Hello"}));
        program->form.Combobox2.Text = "25";
        program->window.Refresh();
        program->dialogs.files = {file};
        WhileShown([&] {
            Click(preview, "btPlay");
            QVERIFY2(LabelText("Label3").contains(QStringLiteral(" (160x120) - ")),
                     qPrintable(LabelText("Label3")));
            auto *video = preview->findChild<VideoCanvas *>();
            QVERIFY(video);
            int frames = 0;
            QObject::connect(video->videoSink(), &QVideoSink::videoFrameChanged, video,
                             [&](const QVideoFrame &frame) { frames += frame.isValid() ? 1 : 0; });
            QTRY_VERIFY_WITH_TIMEOUT(frames > 0, 10000);
            QCOMPARE(video->Subtitle(), QStringLiteral("Hello"));
            QCOMPARE(preview->findChild<QMediaPlayer *>()->error(), QMediaPlayer::NoError);
        });
    }

    void withoutDecodersPlayShowsWhy() {
        if (!WithoutDecoders())
            QSKIP("GStreamer has its plugins in this run");
        program->dialogs.files = {film.toStdString()};
        WhileShown([&] {
            Click(preview, "btPlay");
            QCOMPARE(LabelText("Label3"), QStringLiteral("DIB  (32x24) - 25 fps"));
            auto *problem = Find<QLabel>(preview, "PlayerProblem");
            QVERIFY(problem->isVisible());
            QVERIFY(problem->text().contains(QStringLiteral("decoders")));
            QVERIFY(!preview->findChild<QMediaPlayer *>());
            QVERIFY(Find(preview, "btStop")->isEnabled());
            Click(preview, "btStop");
        });
    }
};

QTEST_MAIN(PreviewWindowTest)
#include "PreviewWindowTest.moc"
