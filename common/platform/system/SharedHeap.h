// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Pictures are decoded on worker threads. With glibc each thread would get
// a heap of its own and keep megabytes of freed pictures to itself; one heap
// shared by all threads keeps the program small. Large blocks (a window's
// picture of the screen, large pictures) are always given back to the system
// when freed: glibc would otherwise, after the first full-screen window
// closed, take such blocks from the heap, where what they leave when freed
// stays the program's. Freed space at the top of the heap is kept up to a
// few megabytes, for the next pictures. Other C libraries share their heap already, and
// there this does nothing.
namespace SharedHeap {
void useOne();
} // namespace SharedHeap
