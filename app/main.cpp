#include "app/MainWindow.h"
#include "app/PreviewWindow.h"
#include "app/QtMediaPlayer.h"
#include "app/QtPlatform.h"
#include "app/QtSettingsStore.h"
#include "media/GstMediaSource.h"
#include "shell/Unit1.h"

#include <QApplication>
#include <QFileInfo>
#include <QLocale>
#include <QStyleFactory>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumavert"));
    QApplication::setApplicationDisplayName(QStringLiteral("Lumavert"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    QtDialogs dialogs;
    QtSettingsStore settings;
    QtLauncher launcher;
    QtMediaPlayer player;
    Platform platform{dialogs, settings, launcher, player};

    TForm1 form(platform);
    GstMediaSource media;
    form.Media = &media;
    form.Form2.Media = &media;
    // Files that nothing else decides are read in the code page of the desktop's language.
    form.DesktopLanguage = QLocale::system().name().toStdString();
    // The personal dictionary stays beside the settings file.
    form.PersonalWordsFile =
        CoreFileName(QFileInfo(settings.FileName()).absolutePath() + QStringLiteral("/words.txt"));
    MainWindow window(form);
    // A box shows over the window as the running handler has left it so far.
    dialogs.SetBeforeShow([&window] { window.Refresh(); });
    dialogs.SetOnProgress([&window] { window.ShowProgress(); });
    dialogs.SetLanguage([&form] { return form.CurrentLanguage; });

    // The preview window exists from the start, hidden until it is asked for.
    PreviewWindow previewWindow(form.Form2, player, &window);
    dialogs.SetPreviewWindow(&previewWindow);
    window.SetFollower([&previewWindow] { previewWindow.FollowMainWindow(); });

    // "lumavert FILE" opens FILE as the open dialog would.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1)
        window.OpenAtStart(CoreFileName(QFileInfo(arguments.at(1)).absoluteFilePath()));

    window.RestorePlacement();
    window.show();
    window.activateWindow();
    return app.exec();
}
