#pragma once

#include "shell/SpellDialog.h"

class QWidget;

// The spell check's dialog over its model: shows the subtitle with the word
// marked, the suggestions and the dictionaries, and writes back the button
// pressed, the replacement and the dictionary chosen. Choosing another
// dictionary closes it as its own action; its close box is Close.
void RunSpellDialog(SpellDialog &model, QWidget *parent);
