#include "platform/host/SdlLibrary.h"

#include <dlfcn.h>

#include <string>

namespace host {

namespace {

constexpr const char* kLibraryName = "libSDL2-2.0.so.0";

foundation::Result<SdlLibrary> load() {
    void* handle = dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        return foundation::Error{std::string("SDL2 could not be loaded (") + dlerror() + ")"};
    }
    SdlLibrary library;
    std::string missing;
#define KELVORA_SDL_RESOLVE(name)                                                  \
    library.name = reinterpret_cast<decltype(library.name)>(dlsym(handle, #name)); \
    if (library.name == nullptr) {                                                 \
        missing += missing.empty() ? #name : ", " #name;                           \
    }
    KELVORA_SDL_FUNCTIONS(KELVORA_SDL_RESOLVE)
#undef KELVORA_SDL_RESOLVE
    if (!missing.empty()) {
        return foundation::Error{std::string(kLibraryName) + " lacks " + missing};
    }
    return library;
}

}  // namespace

foundation::Result<const SdlLibrary*> SdlLibrary::open() {
    static const foundation::Result<SdlLibrary> loaded = load();
    if (!loaded) {
        return loaded.error();
    }
    return &loaded.value();
}

}  // namespace host
