// SPDX-License-Identifier: GPL-3.0-or-later
#include "printsystem/CupsPrintSystem.h"

#include <cups/cups.h>

#include <memory>

namespace kelvarin {

namespace {

struct DestinationFree {
    void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};
struct DestinationInfoFree {
    void operator()(cups_dinfo_t* info) const { cupsFreeDestInfo(info); }
};

}  // namespace

std::string CupsPrintSystem::defaultPrinterName() {
    // One request to the scheduler, where Qt's printer list asks for every queue.
    const std::unique_ptr<cups_dest_t, DestinationFree> dest(
        cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr));
    if (!dest || dest->name == nullptr) {
        return {};
    }
    std::string name = dest->name;
    if (dest->instance != nullptr) {
        name += '/';
        name += dest->instance;
    }
    return name;
}

std::optional<ReportedResolution> CupsPrintSystem::defaultResolution(const std::string& printer) {
    std::string queue = printer;
    std::string instance;
    if (const std::size_t slash = printer.find('/'); slash != std::string::npos) {
        queue = printer.substr(0, slash);
        instance = printer.substr(slash + 1);
    }
    const std::unique_ptr<cups_dest_t, DestinationFree> dest(
        cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.empty() ? nullptr : queue.c_str(),
                         instance.empty() ? nullptr : instance.c_str()));
    if (!dest) {
        return std::nullopt;
    }
    const std::unique_ptr<cups_dinfo_t, DestinationInfoFree> info(
        cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest.get()));
    if (!info) {
        return std::nullopt;
    }
    // "printer-resolution-default", as the printer's driver or IPP attributes give it.
    ipp_attribute_t* attribute =
        cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest.get(), info.get(), "printer-resolution");
    if (attribute == nullptr || ippGetValueTag(attribute) != IPP_TAG_RESOLUTION ||
        ippGetCount(attribute) < 1) {
        return std::nullopt;
    }
    int feed = 0;
    ipp_res_t units = IPP_RES_PER_INCH;
    const int crossFeed = ippGetResolution(attribute, 0, &feed, &units);
    return ReportedResolution{crossFeed, feed,
                              units == IPP_RES_PER_CM ? ReportedResolution::Unit::DotsPerCm
                                                      : ReportedResolution::Unit::DotsPerInch};
}

}  // namespace kelvarin
