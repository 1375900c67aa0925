// What every harness uses to report a broken property: a trap, which
// libFuzzer records as a crash together with the input that caused it.
#pragma once

inline void Require(bool property)
{
    if (!property)
        __builtin_trap();
}
