#pragma once

// The core's key handlers receive Windows virtual-key codes. Letters and
// digits are their upper-case ASCII codes in both worlds; the named keys are
// looked up. Returns 0 for a key without a virtual-key code.
int VirtualKeyOf(int qtKey);
