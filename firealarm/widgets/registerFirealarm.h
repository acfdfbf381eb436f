#pragma once

namespace kb {

// Registers the windows of this folder with the window registry.
void registerFirealarmWindows();

} // namespace kb
