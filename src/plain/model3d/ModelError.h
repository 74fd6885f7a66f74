// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Failure.h"

namespace kelvarin {

// A model that cannot be built or saved. The text is Russian, for the user as it stands: it
// names the station, value or file and the reason. Nothing is written when it is thrown.
class ModelError : public Failure {
public:
    using Failure::Failure;
};

}  // namespace kelvarin
