#include "framework/message_pump.h"
#include "state.h"

namespace headless {

void PostMessage(CWnd& window, UINT message, WPARAM wParam, LPARAM lParam) {
    QueuedMessage queued;
    queued.window = window.m_hWnd;
    queued.message = message;
    queued.wParam = wParam;
    queued.lParam = lParam;
    TheState().queue.push_back(queued);
}

void PostCallback(std::function<void()> callback) {
    QueuedMessage queued;
    queued.callback = std::move(callback);
    TheState().queue.push_back(std::move(queued));
}

void PostQuit() {
    QueuedMessage queued;
    queued.message = WM_QUIT;
    TheState().queue.push_back(queued);
}

std::size_t QueuedMessageCount() {
    return TheState().queue.size();
}

namespace {

bool IsQuit(const QueuedMessage& queued) {
    return queued.message == WM_QUIT && !queued.callback;
}

void Dispatch(const QueuedMessage& queued) {
    if (queued.callback) {
        queued.callback();
    } else if (queued.window) {
        Deliver(queued.window, queued.message, queued.wParam, queued.lParam);
    }
}

QueuedMessage TakeFirst() {
    auto& queue = TheState().queue;
    QueuedMessage first = std::move(queue.front());
    queue.pop_front();
    return first;
}

} // namespace

bool DispatchNextQueued() {
    if (TheState().queue.empty()) {
        return false;
    }
    const QueuedMessage queued = TakeFirst();
    if (!IsQuit(queued)) {
        Dispatch(queued);
    }
    return true;
}

} // namespace headless

bool PumpWaitingMessages() {
    using namespace headless;
    bool dispatched = false;
    while (!TheState().queue.empty()) {
        const QueuedMessage queued = TakeFirst();
        if (IsQuit(queued)) {
            break;
        }
        Dispatch(queued);
        dispatched = true;
    }
    return dispatched;
}
