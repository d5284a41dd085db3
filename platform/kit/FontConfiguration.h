#pragma once

namespace kit {

// The fonts Kelvora draws with: every font installed on the machine, found through
// fontconfig's caches, and a handful of rules of Kelvora's own in place of the desktop's forty
// rule files. Reading and applying those took a tenth of the start-up, and all they changed in
// what the app draws (it sets its own hinting) is kept here: which fonts a name falls back to,
// colour emoji, and colour emoji scaled to the text's size. A screenshot no longer depends on
// how a desktop is set up. Installed once, before Pango's font map exists, so that no
// fontconfig work of Pango's threads is under way.
class FontConfiguration final {
  public:
    static void install();
};

}  // namespace kit
