// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/shell.h"

int main(int argc, char **argv)
{
    return QuennickMain(argc, argv);
}
