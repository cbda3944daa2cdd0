#include "formats/Importers.h"

// Formats whose importers decline every file: the opener's tables already
// name them, so a format starts to open once its function here is replaced
// by one in a file of its own.
void ImportUlead(ImportContext &, std::string &, std::string &, std::string &) {}
void ImportDVDSubtitle(ImportContext &, std::string &, std::string &, std::string &) {}
void ImportAQTitle(ImportContext &, std::string &, std::string &, std::string &) {}
void ImportMPlayer1(ImportContext &, std::string &, std::string &, std::string &) {}
void ImportMPlayer2(ImportContext &, std::string &, std::string &, std::string &) {}
void ImportSubStationAlpha(ImportContext &, std::string &, std::string &, std::string &) {}
void ImportSami(ImportContext &, std::string &, std::string &, std::string &) {}
