#pragma once
// Container windows of the current thread that hold child controls get
// WS_CLIPCHILDREN, so that their own painting never draws over their controls.
// True when a window was corrected.
bool ClipChildrenOfContainerWindows();
