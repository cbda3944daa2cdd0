list(APPEND LUMAVERT_CORE_SOURCES
    ${PROJECT_SOURCE_DIR}/convert/OpenerSteps.cpp
    ${PROJECT_SOURCE_DIR}/convert/OpenSubtitles.cpp
    ${PROJECT_SOURCE_DIR}/convert/LimitFitting.cpp
    ${PROJECT_SOURCE_DIR}/convert/TimingRules.cpp
    ${PROJECT_SOURCE_DIR}/convert/TimingQuestions.cpp
    ${PROJECT_SOURCE_DIR}/convert/SubRipConversion.cpp
    ${PROJECT_SOURCE_DIR}/convert/FitToLimits.cpp
    ${PROJECT_SOURCE_DIR}/convert/RateBatch.cpp
    ${PROJECT_SOURCE_DIR}/convert/SaveInEncoding.cpp
    ${PROJECT_SOURCE_DIR}/convert/OverwrittenFiles.cpp
    ${PROJECT_SOURCE_DIR}/convert/ReceiverProfiles.cpp
    ${PROJECT_SOURCE_DIR}/convert/OutputChoice.cpp
)
