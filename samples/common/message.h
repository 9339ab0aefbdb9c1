/* A message box over the program's window, for texts in Windows-1251. */
#ifndef SAMPLES_MESSAGE_H
#define SAMPLES_MESSAGE_H

void show_message(const char *title, const char *text);

#endif
