// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/built_in_resources.h"

#include <QtGlobal>

static void registerResourcesOnce()
{
    Q_INIT_RESOURCE(resources);
}

namespace stocks {

void registerBuiltInResources()
{
    static const bool registered = (registerResourcesOnce(), true);
    Q_UNUSED(registered);
}

} // namespace stocks
