#pragma once

// Large blocks (a screen capture is megabytes) go back to the system as soon
// as they are freed. The allocator would otherwise raise its threshold for
// separate mappings after the first such block is freed, and keep every later
// capture in its heap after it is gone: memory that grows with each sampling
// and stays until the program ends. Call once, first thing.
void ReturnLargeBlocksToTheSystem();
