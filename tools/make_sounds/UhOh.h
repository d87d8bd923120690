// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Audio.h"

namespace Sounds {

// Two falling notes, "uh" then a lower "oh" that sags a little further:
// clearly "not quite", never alarming.
Buffer make_uh_oh();

} // namespace Sounds
