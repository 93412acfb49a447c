#pragma once
// Records where the program lives, so that Windows starts it by name ("vennick" in
// the Run box): the per-user App Paths entry of its executable. True when the entry
// is in place.
bool RegisterAppPath();
