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
void ImportDVDJunior(ImportContext &, std::string &, std::string &, std::string &) {}
void ImportPowerDivX(ImportContext &, std::string &, std::string &, std::string &) {}
void ImportSpruceDVDMaestro(ImportContext &, std::string &, std::string &, std::string &) {}
void ImportMacDVDStudioPro(ImportContext &, std::string &, std::string &, std::string &) {}
void ImportCaptions32(ImportContext &, std::string &, std::string &, std::string &) {}
void ImportPinnacle(ImportContext &, std::string &, std::string &, std::string &) {}
void ImportFabSubtitler(ImportContext &, std::string &, std::string &, std::string &) {}
void ImportDVDSubtitleSystem(ImportContext &, std::string &, std::string &, std::string &) {}
void ImportAdobeEncore(ImportContext &, std::string &, std::string &, std::string &) {}
void ImportSonicDVDCreator(ImportContext &, std::string &, std::string &, std::string &) {}
void ImportSubCreator(ImportContext &, std::string &, std::string &, std::string &) {}
void ImportSBT(ImportContext &, std::string &, std::string &, std::string &) {}
void ImportInscriberCG(ImportContext &, std::string &, std::string &, std::string &) {}
void ImportIAuthor(ImportContext &, std::string &, std::string &, std::string &) {}
