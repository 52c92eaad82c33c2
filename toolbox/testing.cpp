// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The hooks that only tests and benchmarks use and that reach across the
// layer: the top of its include graph.

#include "toolbox/qt.h"
#include "toolbox/testing.h"

void ToolboxReset(void)
{
    tbx::ResetEvents();
    tbx::ResetMenuBar();
}

void ToolboxPostItemHit(DialogRef dialog, DialogItemIndex item)
{
    ControlRef control = nullptr;
    GetDialogItemAsControl(dialog, item, &control);
    if (control)
        tbx::ItemHit(control);
}

const char *ToolboxEnvironmentLanguage(void)
{
    return tbx::EnvironmentLanguage();
}

void ToolboxUseLanguage(const char *language)
{
    tbx::EnsureApp();
    tbx::UseLanguage(language);
}
