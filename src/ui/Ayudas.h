#pragma once
// The play aids' settings, remembered per user like the window's size.

namespace tablerix {

// The "Inteligencia" entry the player last chose, or the first start's.
int NivelRecordado();

}  // namespace tablerix
