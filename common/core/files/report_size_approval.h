#pragma once

#include <cstdint>
#include <functional>

#include "common/core/result.h"

namespace undertext {

// The size of a report set above which a window asks before writing it and the
// batch tool refuses it unless allowed.
inline constexpr std::uint64_t kLargeReportSetBytes = std::uint64_t{1} << 30;

// Asked with a report set's exact size before it is written: success lets it be
// written; a failure ends the run as a refusal with the failure's message,
// nothing written.
using ReportSizeApproval = std::function<Status(std::uint64_t bytes)>;

// The approval's answer about a set of bytes; with no approval any size is written.
inline Status approveReportSize(const ReportSizeApproval& approval, std::uint64_t bytes) {
    return approval ? approval(bytes) : Status::success();
}

}  // namespace undertext
