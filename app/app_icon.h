// The icon of q4410-config's windows.
#pragma once

namespace q4410::app {

// Sets the window icon of every window from the PNG sizes of the product's icon and tells the
// desktop which entry (q4410-config.desktop) the windows belong to.
void SetApplicationIcon();

}  // namespace q4410::app
