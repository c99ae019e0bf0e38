#pragma once

#include "framework/app.h"

// The application: runs the player window as a modal dialog and ends when it closes.
class CcorvantaApp : public CWinApp {
public:
    bool InitInstance() override;
};
