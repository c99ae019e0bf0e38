#pragma once

#include <string>

class CWnd;

// The application object. Exactly one exists; the platform's entry point runs its
// InitInstance, and the program ends when that returns.
class CWinApp {
public:
    CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp();

    virtual bool InitInstance() { return true; }

    CWnd* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();

// The application's name: the base name of the executable file, without its extension.
const std::string& AfxGetAppName();
