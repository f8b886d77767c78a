// The registry the entry points dispatch through.
#include "host/DialogRegistry.h"

namespace ov {

DialogRegistry& Dialogs()
{
    static DialogRegistry registry = [] {
        DialogRegistry r;
        RegisterBuiltinDialogs(r);
        return r;
    }();
    return registry;
}

}  // namespace ov
