// Work that the core hands to modules built on top of it (toolbars, menus, managers,
// the visual manager). Each module puts its function in place at start-up; a step
// without a function does nothing. The slots are constant-initialised, so a module may
// set its function from any static initialiser.
#pragma once

enum class GTModuleHook {
    MenuHashCleanUp,        // closes and empties the menu hash
    ToolBarCleanUp,         // the toolbar module's shared strips, image map and counter
    MenuGlyphsCleanUp,      // releases the menu glyph strips (loaded again in new colours)
    CommandManagerCleanUp,  // empties the command manager when it exists
    KeyboardCleanUp,        // frees the keyboard manager's accelerator-text buffers
    VisualManagerCleanUp,   // destroys the current visual manager when the toolkit made it
    FontsChanged,           // tells every live toolbar that the toolkit fonts changed
    Count
};

typedef void (*GTModuleHookFunction)();

// Returns the function it replaces.
GTModuleHookFunction SetGuiToolkitHook(GTModuleHook hook, GTModuleHookFunction function);
void RunGuiToolkitHook(GTModuleHook hook);
