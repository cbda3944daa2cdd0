#pragma once

#include "formats/ImportContext.h"

#include <string>

// The shape of every importer. firstLine and secondLine are the file's first
// two lines as the opener saw them, or "OK" when the extension chose the
// importer. An importer that accepts the file fills ctx.ImportBuffer with an
// FpsHeaderLine and one FrameLine per subtitle and calls ctx.HandOver, which
// empties both lines and sets formatName. One that declines returns with the
// context and the three strings unchanged. Handing a file on to another
// importer is a direct call with the same arguments.
using Importer = void(ImportContext &ctx, std::string &firstLine, std::string &secondLine,
                      std::string &formatName);

// Time-line formats.
Importer ImportSubRip;
Importer ImportSubViewer1;
Importer ImportSubViewer2;
Importer ImportTMPlayer;
Importer ImportTMPlayerOneLine;
Importer ImportViPlay;
Importer ImportTurboTitler;
Importer ImportZeroG;
Importer ImportSpruceStl;

// Block and frame-count formats.
Importer ImportUlead;
Importer ImportDVDSubtitle;
Importer ImportAQTitle;
Importer ImportMPlayer1;
Importer ImportMPlayer2;

// Script and markup formats.
Importer ImportSubStationAlpha;
Importer ImportAdvancedSubStationAlpha;
Importer ImportSami;

// Single-line timecode formats.
Importer ImportDVDJunior;
Importer ImportPowerDivX;
Importer ImportSpruceDVDMaestro;
Importer ImportMacDVDStudioPro;
Importer ImportCaptions32;
Importer ImportPinnacle;

// Block timecode formats.
Importer ImportFabSubtitler;
Importer ImportDVDSubtitleSystem;
Importer ImportAdobeEncore;
Importer ImportSonicDVDCreator;

// Paired-line and record formats.
Importer ImportSubCreator;
Importer ImportSBT;
Importer ImportInscriberCG;

// Picture scripts.
Importer ImportIAuthor;
