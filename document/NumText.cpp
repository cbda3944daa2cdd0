#include "document/NumText.h"
// PLACEHOLDER
