// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "skin/byte_view.h"
#include "skin/emf_layout.h"
#include "skin/work_budget.h"

class QPainter;

namespace stocks {

/// Plays an enhanced metafile's records onto the painter, the picture's top-left corner at
/// the painter's origin. Throws "Metafile is not valid" when a record's contents do not check
/// out or the budget runs out; records of kinds it does not draw are skipped.
void playEmf(const EmfLayout& layout, ByteView bytes, QPainter& painter, WorkBudget& budget);

} // namespace stocks
