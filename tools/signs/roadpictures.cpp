// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "roadpictures.h"

#include "roadpicturelists.h"

#include <vector>

std::span<const SignEntry> roadPictureEntries()
{
    static const std::vector<SignEntry> all = [] {
        std::vector<SignEntry> list;
        for (const std::span<const SignEntry> kind :
             {markingPictures(), signalLightPictures(), handSignalPictures(), dashboardLampPictures(),
              situationPictures(), situationPictures4(), situationPictures5()})
            list.insert(list.end(), kind.begin(), kind.end());
        return list;
    }();
    return all;
}
