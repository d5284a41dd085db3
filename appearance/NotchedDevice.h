#pragma once

namespace kelvora {

// Whether the device has a notch, which gives top bars the extra height of the status-bar
// area. Decided by the main screen's height in points, compared exactly against the heights
// of the known notched phones; any other height counts as no notch.
namespace NotchedDevice {

bool isNotched();

// The same decision for a given screen height.
bool isNotchedScreenHeight(double height);

}  // namespace NotchedDevice

}  // namespace kelvora
