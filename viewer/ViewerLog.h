#pragma once

// The viewer writes no log: SQL lines (category D) stay on for whoever adds a writer later,
// but every writer of the process-wide log is removed. The first step of start-up.
void SetUpViewerLog();
