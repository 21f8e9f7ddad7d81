// Serving the menu thread's request for a picture of the scene, in the frame that sees it.
#pragma once

// When a picture is asked for: clears the back buffer, lets szene draw the scene into it alone,
// reads it back at the window's size and hands it over. The frame that follows draws over it.
void bildabzug_bedienen(void (*szene)());
