// SPDX-License-Identifier: GPL-3.0-or-later
// The owner of the test programs' precompiled header: nothing of its own.
