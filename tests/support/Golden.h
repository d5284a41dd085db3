#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/kit/Window.h"

namespace testsupport {

// A screen as a person sees it, written out as text: every visible view in painting order,
// one a line, indented by its depth, with its class, its frame in the window and the texts it
// shows.
std::string describeScreen(const std::shared_ptr<kit::Window>& window);

// Compares the screen with tests/golden/<name>.txt (the name says screen, device and
// appearance) and fails with a line-by-line diff when they differ. With KELVORA_REGENERATE=1
// in the environment it writes the file instead, for a change of layout made on purpose.
void expectScreenMatchesGolden(const std::shared_ptr<kit::Window>& window, std::string_view name);

}  // namespace testsupport
