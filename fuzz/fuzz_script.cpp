#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/host/Script.h"

// Any text either reads as steps or is refused with a reason. Each step read comes from a
// line of its own, later than the step before, and carries what its kind needs.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto script = host::Script::parse(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!script) {
        if (script.error().description.empty()) {
            std::abort();
        }
        return 0;
    }
    int line = 0;
    for (const auto& step : script.value().steps()) {
        bool ordered = step.line > line && step.source.find('\n') == std::string::npos;
        bool complete = step.kind == host::ScriptStep::Kind::expectOrder ? !step.order.empty()
                        : step.kind == host::ScriptStep::Kind::wait
                            ? std::isfinite(step.seconds) && step.seconds >= 0
                            : true;
        if (!ordered || !complete) {
            std::abort();
        }
        line = step.line;
    }
    return 0;
}
