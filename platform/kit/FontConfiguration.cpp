#include "platform/kit/FontConfiguration.h"

#include <fontconfig/fontconfig.h>

namespace kit {

namespace {

// The folders and caches are those a Debian system lists. A name may be in any script or hold
// emoji. Inter comes first; what it lacks comes from the Noto families named here before
// anything else, so that every script draws in one design on any machine with them installed.
// Emoji are looked up by Pango under the family "emoji", which goes to the colour font alone:
// named among the fallbacks, it would take digits and spaces too, which it also holds (for
// keycaps), as colour pictures. The fallbacks are said to fontconfig rather than in each font
// description, so that Pango sorts the fonts once per size, not once per family. A bitmap font
// (the colour emoji) has one size, 109 pixels; the last two rules scale it to the text's size.
constexpr const char* configuration = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <dir>/usr/share/fonts</dir>
  <dir>/usr/local/share/fonts</dir>
  <dir prefix="xdg">fonts</dir>
  <cachedir>/var/cache/fontconfig</cachedir>
  <cachedir prefix="xdg">fontconfig</cachedir>
  <alias binding="same">
    <family>emoji</family>
    <prefer><family>Noto Color Emoji</family></prefer>
  </alias>
  <match target="pattern">
    <test name="family"><string>Inter</string></test>
    <edit name="family" mode="append" binding="strong">
      <string>Noto Sans</string>
      <string>Noto Sans Thai</string>
      <string>Noto Sans Arabic</string>
      <string>Noto Sans Hebrew</string>
      <string>Noto Sans CJK JP</string>
    </edit>
  </match>
  <match target="font">
    <test name="outline"><bool>false</bool></test>
    <edit name="pixelsizefixupfactor" mode="assign">
      <divide><name target="pattern">pixelsize</name><name target="font">pixelsize</name></divide>
    </edit>
  </match>
  <match target="font">
    <test name="outline"><bool>false</bool></test>
    <edit name="matrix" mode="assign">
      <times>
        <name>matrix</name>
        <matrix>
          <name>pixelsizefixupfactor</name><double>0</double>
          <double>0</double><name>pixelsizefixupfactor</name>
        </matrix>
      </times>
    </edit>
    <edit name="size" mode="assign">
      <divide><name>size</name><name>pixelsizefixupfactor</name></divide>
    </edit>
  </match>
</fontconfig>
)";

}  // namespace

void FontConfiguration::install() {
    FcConfig* config = FcConfigCreate();
    if (config == nullptr) {
        return;
    }
    // Should any step fail, fontconfig's own configuration stays: text still draws.
    if (FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(configuration),
                                       FcTrue) &&
        FcConfigBuildFonts(config)) {
        FcConfigSetCurrent(config);
    }
    // The current configuration holds its own reference.
    FcConfigDestroy(config);
}

}  // namespace kit
