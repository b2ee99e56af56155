#pragma once

// The guard of every command that changes the document, the trees or the connection: while a
// server call waits (COM's modal loop lets input in meanwhile) the command is refused, and the
// main window's status bar says why. True when it was refused.
bool RefuseWhileServerBusy();
