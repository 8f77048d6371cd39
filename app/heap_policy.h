#pragma once
// How the exhibit asks the C library to manage its heap.

// Keeps memory freed at the top of the heap for the next frame instead of
// handing it back to the kernel. A software renderer allocates and frees
// megabytes of bins every frame; returned and taken again, each page costs a
// fault and a clearing, a fifth of a heavy frame's time. At most 64 MiB
// of free heap is kept. Call once, before the first window opens.
void keepFreedHeapForNextFrames();
