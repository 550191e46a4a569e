#include "platform/ctl/BuiltinControls.h"

#include "platform/ctl/ButtonControl.h"
#include "platform/ctl/ComboBoxControl.h"
#include "platform/ctl/ComboListWindow.h"
#include "platform/ctl/EditControl.h"
#include "platform/ctl/HeaderControl.h"
#include "platform/ctl/ListBoxControl.h"
#include "platform/ctl/ListViewControl.h"
#include "platform/ctl/MessageBoxWindow.h"
#include "platform/ctl/ScrollBarControl.h"
#include "platform/ctl/StaticControl.h"
#include "platform/ctl/TooltipControl.h"

namespace ctl {

void RegisterBuiltinControls() {
    // A class already registered refuses the second registration, which is what we want.
    StaticControl::Register();
    ButtonControl::Register();
    EditControl::Register();
    ScrollBarControl::Register();
    ListBoxControl::Register();
    ComboListWindow::Register();
    ComboBoxControl::Register();
    TooltipControl::Register();
    MessageBoxWindow::Register();
    HeaderControl::Register();
    ListViewControl::Register();
}

} // namespace ctl
