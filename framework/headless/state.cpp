#include "state.h"

namespace headless {

State& TheState() {
    static State state;
    return state;
}

void Reset() {
    TheState() = State{};
}

} // namespace headless
