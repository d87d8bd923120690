// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Pictures are decoded on worker threads. With glibc each thread would get
// a heap of its own and keep megabytes of freed pictures to itself; one heap
// shared by all threads keeps the program small. Other C libraries share
// their heap already, and there this does nothing.
namespace SharedHeap {
void useOne();
} // namespace SharedHeap
