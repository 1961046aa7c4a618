// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "skin/byte_view.h"

namespace stocks {

/// @brief The drawing work one play of a metafile may still ask for. A metafile that asks
/// for more is refused as not valid rather than shown cut short.
class WorkBudget {
public:
    explicit WorkBudget(double units) : left_(units) {}

    /// Throws "Metafile is not valid" once the work spent passes the budget.
    void spend(double units)
    {
        left_ -= units;
        if (!(left_ >= 0))
            throwInvalidMetafile();
    }

private:
    double left_;
};

} // namespace stocks
