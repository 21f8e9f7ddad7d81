// The window: set-up, the frame, the projection, and the 2-D overlay over the scene.
#pragma once

void grafik_init(const char* titel);
void display();
void reshape(int w, int h);
void menu_text_zeichnen();
