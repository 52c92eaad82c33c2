// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Lets tests, fuzzers and --check load catalogues more than once in one process.
#ifndef QUENNICK_CATALOGUE_CATALOGUE_TESTING_H
#define QUENNICK_CATALOGUE_CATALOGUE_TESTING_H

#include <stdint.h>

// Frees both tables and every text in them, and sets them back to empty.
void FreeCatalogues(void);

// Sets the bytes read of a file in each pass (0: back to kCatalogueByteBudget),
// so that a test can reach the budget with a small file.
void SetCatalogueByteBudget(int64_t bytes);

#endif
