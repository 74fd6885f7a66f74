// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "outputmodule/OutputModule.h"

namespace kelvarin {

// The templates printed through the print dialog at the chosen printer's own resolution, never
// scaled; the dialog's page range is honoured.
DialogPrinting printWithPrintDialog(QWidget* parent, const PropellerDesign& design,
                                    const TemplateJob& job);

// The templates in a print preview, laid out once first, so that a refusal is said instead of
// an empty preview.
PreviewShown previewInPrintDialog(QWidget* parent, const PropellerDesign& design,
                                  const TemplateJob& job);

}  // namespace kelvarin
