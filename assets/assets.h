#pragma once

// Makes the pictures compiled into the assets library reachable as ":/main_window/face_00.jpg" and so on.
// A static library's resources are not registered by themselves in every link, so call this once at start,
// before the first picture is read. Calling it again does no harm.
void init_assets();
