#include "app/state/AppState.h"

AppState &appState()
{
    static AppState state;
    return state;
}

void resetAppState()
{
    appState() = AppState();
}
