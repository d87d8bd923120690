// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Qt 6.4's Wayland client can hang while the application object goes: the
// display waits for its event thread, which waits in wl_display_read_events
// for a read the main thread prepared and will never make. The window is
// gone, the process stays. So on Wayland, once everything of the program's
// own is gone (files written, the record stored), the process ends here
// without that teardown; elsewhere this returns and the teardown runs.
namespace EndOfProcess {

void skipWaylandTeardown(int status);

} // namespace EndOfProcess
