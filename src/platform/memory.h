#pragma once
// How the process's heap gives memory back to the system.
namespace plat {

// glibc raises its mmap threshold each time a large block is freed, so after the first
// picture or sound is released every later large block (decoded pictures, driver scratch,
// save texts) comes from the heap and its pages stay resident after it is freed. A fixed
// threshold keeps large blocks in their own mappings, returned whole on free. It is set at
// 64 KB, the size of the blocks llvmpipe bins a scene's commands in: redrawing box 2's
// static picture takes about a hundred of them at once. Together these lower the game's
// peak resident memory at 1280x1024 by 20 to 30 MB. Call once, before anything large is
// allocated.
void KeepLargeBlocksReturnable();

}  // namespace plat
