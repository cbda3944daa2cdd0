list(APPEND LUMAVERT_CORE_SOURCES
    ${PROJECT_SOURCE_DIR}/document/TextList.cpp
    ${PROJECT_SOURCE_DIR}/document/LargeBlock.cpp
    ${PROJECT_SOURCE_DIR}/document/ListChange.cpp
    ${PROJECT_SOURCE_DIR}/document/NumText.cpp
    ${PROJECT_SOURCE_DIR}/document/TextEncoding.cpp
    ${PROJECT_SOURCE_DIR}/document/EncodingChoice.cpp
    ${PROJECT_SOURCE_DIR}/document/ThaiVietnamese.cpp
    ${PROJECT_SOURCE_DIR}/document/LetterCase.cpp
    ${PROJECT_SOURCE_DIR}/document/TextWidth.cpp
    ${PROJECT_SOURCE_DIR}/document/TextFile.cpp
    ${PROJECT_SOURCE_DIR}/document/FrameLine.cpp
    ${PROJECT_SOURCE_DIR}/document/Legendas.cpp
    ${PROJECT_SOURCE_DIR}/document/Markup.cpp
    ${PROJECT_SOURCE_DIR}/document/EntryFields.cpp
    ${PROJECT_SOURCE_DIR}/document/MessageTable.cpp
    ${PROJECT_SOURCE_DIR}/document/OwnMessages.cpp
)
