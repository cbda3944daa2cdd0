# The window model: TForm1 and TForm2, their controls and handlers (each
# group of handlers in the file Unit1.h names for it), layout, undo, the
# settings store's use, recent files and window placement.
list(APPEND LUMAVERT_WINDOW_SOURCES
    ${PROJECT_SOURCE_DIR}/shell/Unit1.cpp
    ${PROJECT_SOURCE_DIR}/shell/Unit1Layout.cpp
    ${PROJECT_SOURCE_DIR}/shell/RecentFiles.cpp
    ${PROJECT_SOURCE_DIR}/shell/Settings.cpp
    ${PROJECT_SOURCE_DIR}/shell/Languages.cpp
    ${PROJECT_SOURCE_DIR}/shell/UndoHistory.cpp
    ${PROJECT_SOURCE_DIR}/shell/UndoRedo.cpp
    ${PROJECT_SOURCE_DIR}/shell/WindowPlacement.cpp
    ${PROJECT_SOURCE_DIR}/shell/Opening.cpp
    ${PROJECT_SOURCE_DIR}/shell/ListSelection.cpp
    ${PROJECT_SOURCE_DIR}/shell/Timing.cpp
    ${PROJECT_SOURCE_DIR}/shell/Fitting.cpp
    ${PROJECT_SOURCE_DIR}/shell/Conversion.cpp
    ${PROJECT_SOURCE_DIR}/shell/Saving.cpp
    ${PROJECT_SOURCE_DIR}/shell/MultiRate.cpp
    ${PROJECT_SOURCE_DIR}/shell/SelectedEntry.cpp
    ${PROJECT_SOURCE_DIR}/shell/SubtitleEdit.cpp
    ${PROJECT_SOURCE_DIR}/shell/ListOperations.cpp
    ${PROJECT_SOURCE_DIR}/shell/PropertiesBox.cpp
    ${PROJECT_SOURCE_DIR}/shell/Unit2.cpp
    ${PROJECT_SOURCE_DIR}/shell/AviInfo.cpp
    ${PROJECT_SOURCE_DIR}/shell/Preview.cpp
    ${PROJECT_SOURCE_DIR}/shell/PreviewSubtitles.cpp
    ${PROJECT_SOURCE_DIR}/shell/FpsCalculatorMenu.cpp
    ${PROJECT_SOURCE_DIR}/shell/SyncToVideoCommand.cpp
    ${PROJECT_SOURCE_DIR}/shell/FindCommands.cpp
    ${PROJECT_SOURCE_DIR}/shell/SpellCommands.cpp
)
