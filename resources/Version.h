/* The version of Tavrex and TavrexW, in one place for the code and the resources.
   Plain preprocessor definitions only, so that windres and the compilers both read this file. */
#ifndef TAVREX_VERSION_H
#define TAVREX_VERSION_H

#define TAVREX_VERSION_MAJOR 3
#define TAVREX_VERSION_MINOR 20
/* Must agree with the two numbers above. */
#define TAVREX_VERSION_STRING "3.20"
/* The release date, as shown in the about box. */
#define TAVREX_DATE_STRING "1999/10/28"

#endif
