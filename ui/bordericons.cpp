// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bordericons.h"

BorderIconFlags BorderIcons::flags(TFormBorderStyle style, TBorderIcons icons)
{
    BorderIconFlags f;
    switch (style) {
    case TFormBorderStyle::bsNone:
        break;
    case TFormBorderStyle::bsDialog:
    case TFormBorderStyle::bsToolWindow:
    case TFormBorderStyle::bsSizeToolWin:
        f.showClose = true;
        break;
    case TFormBorderStyle::bsSingle:
    case TFormBorderStyle::bsSizeable:
        f = {true, true, true, true};
        break;
    }
    if (!icons.testFlag(biSystemMenu))
        f = {};
    if (!icons.testFlag(biMinimize))
        f.showMin = false;
    if (!icons.testFlag(biMaximize))
        f.showMax = false;
    return f;
}

bool BorderIcons::isSizeable(TFormBorderStyle style)
{
    return style == TFormBorderStyle::bsSizeable || style == TFormBorderStyle::bsSizeToolWin;
}
