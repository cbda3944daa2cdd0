#include "formats/Importers.h"

// Formats whose importers decline every file: the opener's tables already
// name them, so a format starts to open once its function here is replaced
// by one in a file of its own.
void ImportSubViewer1(ImportContext &, std::string &, std::string &, std::string &) {}
void ImportSubViewer2(ImportContext &, std::string &, std::string &, std::string &) {}
void ImportTMPlayer(ImportContext &, std::string &, std::string &, std::string &) {}
void ImportViPlay(ImportContext &, std::string &, std::string &, std::string &) {}
void ImportTurboTitler(ImportContext &, std::string &, std::string &, std::string &) {}
void ImportZeroG(ImportContext &, std::string &, std::string &, std::string &) {}
void ImportSpruceStl(ImportContext &, std::string &, std::string &, std::string &) {}
void ImportUlead(ImportContext &, std::string &, std::string &, std::string &) {}
void ImportDVDSubtitle(ImportContext &, std::string &, std::string &, std::string &) {}
void ImportAQTitle(ImportContext &, std::string &, std::string &, std::string &) {}
void ImportMPlayer1(ImportContext &, std::string &, std::string &, std::string &) {}
void ImportMPlayer2(ImportContext &, std::string &, std::string &, std::string &) {}
void ImportSubStationAlpha(ImportContext &, std::string &, std::string &, std::string &) {}
void ImportSami(ImportContext &, std::string &, std::string &, std::string &) {}
void ImportDVDJunior(ImportContext &, std::string &, std::string &, std::string &) {}
void ImportPowerDivX(ImportContext &, std::string &, std::string &, std::string &) {}
void ImportSpruceDVDMaestro(ImportContext &, std::string &, std::string &, std::string &) {}
void ImportMacDVDStudioPro(ImportContext &, std::string &, std::string &, std::string &) {}
void ImportCaptions32(ImportContext &, std::string &, std::string &, std::string &) {}
void ImportPinnacle(ImportContext &, std::string &, std::string &, std::string &) {}
