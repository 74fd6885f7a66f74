// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/PropellerDesign.h"
#include "templates/TemplateFiles.h"

// The templates written as files at true size: PDF (the pages the print job prints, on a
// paper of the user's choice), SVG and DXF (one sheet holding every template untiled).
namespace kelvarin {

// The format a path's extension names, whatever its case; nullopt for none or another.
std::optional<TemplateFormat> templateFormatOf(std::string_view path);

// Writes every template of the design to `path` (UTF-8) in the format its extension names,
// replacing the file whole or not at all: what was there stays where anything fails. Throws
// Failure with a Russian text that names the file and the reason: a name without .pdf, .svg or
// .dxf, a design not yet calculated, templates that cannot be laid out (too many tiles or pages,
// a sheet beyond 20 m, a DXF beyond 100 000 points), a folder that cannot be written, a full
// disk. PDF and SVG need a QGuiApplication (the offscreen platform will do); DXF needs none.
// Returns, in the chosen language, why each template left out (leaveOutOversized) was.
std::vector<std::string> exportTemplates(const PropellerDesign& design,
                                         const TemplateExportOptions& options,
                                         const std::string& path);

// The file's bytes without writing it; the same failures but for the file's own. For
// measurements and the command-line tool's standard output.
// A PDF's pages start with the overview where there is more than one (layOutTemplates); with
// leaveOutOversized the reasons for what was left out go to `leftOut`.
std::string templatesPdf(const PropellerDesign& design, const TemplateExportOptions& options,
                         std::vector<std::string>* leftOut = nullptr);
std::string templatesSvg(const PropellerDesign& design, const TemplateExportOptions& options);
std::string templatesDxf(const PropellerDesign& design, const TemplateExportOptions& options);

}  // namespace kelvarin
