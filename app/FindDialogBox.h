#pragma once

#include "shell/FindDialog.h"

class QWidget;

// The find and replace dialog over its model: shows the model's texts and
// options and, on a button other than Cancel, writes back what the user
// typed and ticked and which button it was. False on Cancel.
bool RunFindDialog(FindDialog &model, QWidget *parent);
