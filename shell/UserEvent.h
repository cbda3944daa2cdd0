#pragma once

#include "document/Errors.h"
#include "shell/Platform.h"

#include <exception>
#include <new>

// The catch site of one user event of a window: a failure that ends the
// handler shows the platform's error box, and the program goes on. Nothing
// may reach the desktop's event loop, which would end the program, so a
// failure from the standard library shows its own message too.
template <class Body> void RunUserEvent(Dialogs &ui, Body &&body) {
    try {
        body();
    } catch (const LumavertError &error) {
        ui.ShowError(error.what());
    } catch (const std::bad_alloc &) {
        ui.ShowError("Out of memory");
    } catch (const std::exception &error) {
        ui.ShowError(error.what());
    }
}
