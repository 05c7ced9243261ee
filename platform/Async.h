#pragma once

#include <functional>

// Background work and the way back to the GUI thread. Work submitted here must capture values
// only (never `this`); results come back through postToGui, guarded by a QPointer taken on the
// GUI thread.
namespace Async {

void runInBackground(std::function<void()> work);
void postToGui(std::function<void()> fn);

} // namespace Async
