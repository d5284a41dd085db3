#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/foundation/Result.h"

namespace host {

// A device root for a first run: when the folder does not exist yet, it is made and its
// Preferences folder seeded with sample tweak preference files of our own (XML and
// binary, several domains) and a few system-domain files that the catalogue leaves out,
// so a first run has something to show. A folder that exists is left exactly as it is: it
// may be someone's work. A root that is not a folder, or that cannot be written to, is
// refused before the app starts, rather than failing later at its first save.
class SampleRoot final {
  public:
    static constexpr const char* kPreferencesFolder = "/var/jb/vmo/Library/Preferences";

    // True when the root was made and seeded now, false when it already existed; an error
    // naming the root when it cannot be used.
    static foundation::Result<bool> prepare(const std::filesystem::path& root);
    // The file names seeded, tweak files first.
    static std::vector<std::string> sampleNames();

  private:
    static foundation::Result<void> seed();
};

}  // namespace host
