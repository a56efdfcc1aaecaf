#pragma once

// Configures 10, 100 and 500 simulated devices at once through the window and
// prints the time from OK in the edit dialog to the summary, and the longest
// stall of the event loop meanwhile. False when a summary did not come.
bool benchApply();
