#include "platform/foundation/Log.h"

#include <cstdio>
#include <utility>

namespace foundation {

namespace {

Log::Sink& currentSink() {
    static Log::Sink sink;
    return sink;
}

}  // namespace

void Log::write(std::string_view line) {
    if (const auto& sink = currentSink()) {
        sink(line);
        return;
    }
    std::fprintf(stderr, "%.*s\n", static_cast<int>(line.size()), line.data());
}

Log::Sink Log::setSink(Sink sink) {
    return std::exchange(currentSink(), std::move(sink));
}

}  // namespace foundation
