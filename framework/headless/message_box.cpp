#include "framework/message_box.h"

#include "framework/app.h"
#include "state.h"

namespace headless {

void ScriptMessageBoxAnswer(int answer) {
    TheState().messageBoxAnswers.push_back(answer);
}

const std::vector<MessageBoxRecord>& MessageBoxes() {
    return TheState().messageBoxes;
}

} // namespace headless

int AfxMessageBox(const char* text, UINT type) {
    headless::State& state = headless::TheState();
    state.messageBoxes.push_back({text, AfxGetAppName(), type, state.paintCount});
    if (state.messageBoxAnswers.empty()) {
        return IDOK;
    }
    const int answer = state.messageBoxAnswers.front();
    state.messageBoxAnswers.pop_front();
    return answer;
}
