#pragma once
// The one message-box operation: no owner, task-modal, a single answer.

#include <cstdint>

#include "platform/desktop.h"

namespace velmora {

constexpr std::uint32_t kInformationBoxStyle = 64;  // MB_OK | MB_ICONINFORMATION

// The style with MB_TASKMODAL added unless it is MB_SYSTEMMODAL.
std::uint32_t MessageBoxFlags(std::uint32_t style);
// The system's answer as 0 OK (and anything unknown), 1 Cancel, 2 Abort, 3 Retry, 4 Ignore, 5 Yes, 6 No.
std::int32_t MessageBoxResult(std::int32_t systemAnswer);

std::int32_t ShowMessageBox(Desktop& desktop, const NativeText& text, std::uint32_t style, const NativeText& title);

}  // namespace velmora
