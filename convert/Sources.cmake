list(APPEND LUMAVERT_CORE_SOURCES
    ${PROJECT_SOURCE_DIR}/convert/LimitFitting.cpp
    ${PROJECT_SOURCE_DIR}/convert/SubRipWriter.cpp
    ${PROJECT_SOURCE_DIR}/convert/OutputFormats.cpp
    ${PROJECT_SOURCE_DIR}/convert/TimingRules.cpp
    ${PROJECT_SOURCE_DIR}/convert/TimingQuestions.cpp
    ${PROJECT_SOURCE_DIR}/convert/SubRipConversion.cpp
    ${PROJECT_SOURCE_DIR}/convert/FitToLimits.cpp
    ${PROJECT_SOURCE_DIR}/convert/RateBatch.cpp
    ${PROJECT_SOURCE_DIR}/convert/SaveInEncoding.cpp
    ${PROJECT_SOURCE_DIR}/convert/OverwrittenFiles.cpp
    ${PROJECT_SOURCE_DIR}/convert/OutputChoice.cpp
)
list(APPEND LUMAVERT_WINDOW_SOURCES
    ${PROJECT_SOURCE_DIR}/convert/Timing.cpp
    ${PROJECT_SOURCE_DIR}/convert/Conversion.cpp
    ${PROJECT_SOURCE_DIR}/convert/Limits.cpp
    ${PROJECT_SOURCE_DIR}/convert/Saving.cpp
    ${PROJECT_SOURCE_DIR}/convert/MultiRate.cpp
)
