/* Resource ids of Tavrex and TavrexW, shared by the .rc files and the C++ code.
   Plain preprocessor definitions only, so that windres and the compilers both read this file. */
#ifndef TAVREX_RESOURCE_H
#define TAVREX_RESOURCE_H

/* Icons. Each program's own icon (32x32 and 16x16) has the id 1 in its executable. */
#define IDI_PROGRAM 1
/* The service's notification-area icon: 16x16, 16 colours. */
#define IDI_TRAY 2

/* Glyphs of the editor's bitmap buttons: a normal and a greyed (disabled) image of equal size side
   by side in one bitmap. The colour of the bottom-left pixel is the transparent colour.
   IDB_ELLIPSIS: 24x12, two 12x12 images (the letter rows' ellipsis buttons).
   IDB_OPENFOLDER: 32x16, two 16x16 images (the command's browse button). */
#define IDB_ELLIPSIS 101
#define IDB_OPENFOLDER 102

#endif
