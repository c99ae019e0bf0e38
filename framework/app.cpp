#include "framework/app.h"

namespace {

CWinApp* theOneApp = nullptr;

} // namespace

CWinApp::CWinApp() {
    theOneApp = this;
}

CWinApp::~CWinApp() {
    if (theOneApp == this) {
        theOneApp = nullptr;
    }
}

CWinApp* AfxGetApp() {
    return theOneApp;
}
