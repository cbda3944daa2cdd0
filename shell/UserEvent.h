#pragma once

#include "document/Errors.h"
#include "shell/Platform.h"

#include <exception>
#include <new>

// The catch site of one user event of a window: a failure that ends the
// handler shows the platform's error box, and the program goes on. Nothing
// may reach the desktop's event loop, which would end the program, so a
// failure from the standard library shows its own message too.
// UI is anything with the error box's ShowError.
template <class UI, class Body> void RunUserEvent(UI &ui, Body &&body) {
    try {
        body();
    } catch (const WorkCancelled &) {
        // Cancel leaves everything as it was before the event.
    } catch (const LumavertError &error) {
        ui.ShowError(error.what());
    } catch (const std::bad_alloc &) {
        ui.ShowError("Out of memory");
    } catch (const std::exception &error) {
        ui.ShowError(error.what());
    }
}
