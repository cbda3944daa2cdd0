list(APPEND LUMAVERT_CORE_SOURCES
    ${PROJECT_SOURCE_DIR}/formats/ImportContext.cpp
    ${PROJECT_SOURCE_DIR}/formats/Importers.cpp
    ${PROJECT_SOURCE_DIR}/formats/SubRip.cpp
    ${PROJECT_SOURCE_DIR}/formats/TimeLineSteps.cpp
    ${PROJECT_SOURCE_DIR}/formats/SubViewer1.cpp
    ${PROJECT_SOURCE_DIR}/formats/SubViewer2.cpp
    ${PROJECT_SOURCE_DIR}/formats/TMPlayer.cpp
    ${PROJECT_SOURCE_DIR}/formats/ViPlay.cpp
    ${PROJECT_SOURCE_DIR}/formats/TurboTitler.cpp
    ${PROJECT_SOURCE_DIR}/formats/ZeroG.cpp
    ${PROJECT_SOURCE_DIR}/formats/SpruceStl.cpp
    ${PROJECT_SOURCE_DIR}/formats/RecognitionRules.cpp
    ${PROJECT_SOURCE_DIR}/formats/ExtensionRules.cpp
    ${PROJECT_SOURCE_DIR}/formats/OpenFilter.cpp
)
