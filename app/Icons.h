#pragma once

#include <QIcon>

#include <string>

class QStyle;

// The picture of a button, by the control's name; a null icon for buttons
// that show their caption only.
QIcon ControlIcon(const std::string &name, const QStyle &style);
