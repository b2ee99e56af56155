#include <guitoolkit/core/GuiToolkitHooks.h>

namespace {
GTModuleHookFunction hookFunctions[static_cast<int>(GTModuleHook::Count)] = {};
}

GTModuleHookFunction SetGuiToolkitHook(GTModuleHook hook, GTModuleHookFunction function)
{
    GTModuleHookFunction& slot = hookFunctions[static_cast<int>(hook)];
    GTModuleHookFunction previous = slot;
    slot = function;
    return previous;
}

void RunGuiToolkitHook(GTModuleHook hook)
{
    if (GTModuleHookFunction function = hookFunctions[static_cast<int>(hook)])
        function();
}
