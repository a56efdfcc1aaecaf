#pragma once

// Names the application for the per-user settings store and the About box: both
// modes find their settings in the same place.
void setApplicationIdentity();
