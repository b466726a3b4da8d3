#include "app/app_state.h"

#include <cstdlib>

namespace tarvo {
namespace {
AppState* gState = nullptr;
bool gExitRoutineRegistered = false;
}  // namespace

AppState& constructAppState() {
    if (!gState) gState = new AppState();
    if (!gExitRoutineRegistered) {
        std::atexit(releaseAppState);
        gExitRoutineRegistered = true;
    }
    return *gState;
}

AppState& appState() {
    return *gState;
}

bool hasAppState() {
    return gState != nullptr;
}

void releaseAppState() {
    delete gState;
    gState = nullptr;
}

}  // namespace tarvo
