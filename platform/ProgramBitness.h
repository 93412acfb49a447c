#pragma once
// The program is 64-bit: a 32-bit build would run under WOW64 and silently miss every
// 64-bit process's modules. Included by the entry file of every program of Vennick.
static_assert(sizeof(void*) == 8, "Vennick's programs are built for 64-bit Windows only");
