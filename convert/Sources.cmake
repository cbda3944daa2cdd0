list(APPEND LUMAVERT_CORE_SOURCES
    ${PROJECT_SOURCE_DIR}/convert/Timing.cpp
    ${PROJECT_SOURCE_DIR}/convert/Conversion.cpp
    ${PROJECT_SOURCE_DIR}/convert/Limits.cpp
    ${PROJECT_SOURCE_DIR}/convert/LimitFitting.cpp
    ${PROJECT_SOURCE_DIR}/convert/Saving.cpp
    ${PROJECT_SOURCE_DIR}/convert/MultiRate.cpp
    ${PROJECT_SOURCE_DIR}/convert/SubRipWriter.cpp
    ${PROJECT_SOURCE_DIR}/convert/OutputFormats.cpp
)
