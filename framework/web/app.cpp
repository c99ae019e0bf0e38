#include "framework/app.h"

// The page runs the program that it takes its library from, and goes by that program's name.
const std::string& AfxGetAppName() {
    static const std::string name = KESTROVA_APP_NAME;
    return name;
}
