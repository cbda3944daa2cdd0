#include "tools/VideoOpenFilter.h"

#include "document/MessageTable.h"

std::string VideoOpenFilter(std::uint8_t language) {
    return MessageText(MessageRow::VideoFiles, language) +
           "|*.avi;*.mkv;*.mp4;*.m4v;*.mov;*.webm;*.mpg;*.mpeg;*.ts;*.vob;*.ogv;*.wmv"
           "|DivX, XViD & AVI|*.avi|" +
           MessageText(MessageRow::AllFiles, language) + "|*.*";
}
