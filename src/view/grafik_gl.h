// The window: set-up, the frame, the projection, and the 2-D overlay over the scene.
#pragma once

void grafik_init(const char* titel);
void display();
void reshape(int w, int h);
void menu_text_zeichnen();
// Multiplies the frame's camera onto the model-view matrix: the vertical scale that keeps
// spheres round, then the look from eye to cent. Drawing and picking share it.
void kamera_anwenden();
