#include "app.h"

// The one application object; the platform's entry point runs it.
CcorvantaApp theApp;
