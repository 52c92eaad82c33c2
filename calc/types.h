// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The plain integer types that the system's interfaces are written in.
#ifndef QUENNICK_CALC_TYPES_H
#define QUENNICK_CALC_TYPES_H

#include <stdint.h>

typedef unsigned char Boolean; // one byte: 0 false, anything else true
typedef int16_t SInt16;
typedef int32_t SInt32;
typedef uint16_t UInt16;
typedef uint32_t UInt32;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

#endif
