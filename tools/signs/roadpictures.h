#pragma once

#include "signcatalog.h"

#include <span>

// Pictures other than road signs: road markings, signal lights, the police hand signals and
// dashboard warning lamps.
[[nodiscard]] std::span<const SignEntry> roadPictureEntries();
