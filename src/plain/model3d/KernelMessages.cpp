// SPDX-License-Identifier: GPL-3.0-or-later
#include "model3d/KernelMessages.h"

#include <Message.hxx>
#include <Message_Messenger.hxx>
#include <Message_PrinterOStream.hxx>

namespace kelvarin {

void silenceKernelMessages() {
    Message::DefaultMessenger()->RemovePrinters(STANDARD_TYPE(Message_PrinterOStream));
}

}  // namespace kelvarin
