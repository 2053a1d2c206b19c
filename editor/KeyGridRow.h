#pragma once
// What one letter row of the key grid holds: the edit's text and hint, the parts of the row's
// definition that have no control, and the row's state and look.
#include "AnsiString.h"

struct KeyGridRow {
    AnsiString command;     // the edit's text: the command in launch mode, else a marker text
    AnsiString hint;        // the edit's hint, set together with the text by ShowHotKey
    AnsiString directory;
    AnsiString parameters;
    int extra = 0;
    int showCmd = 5;
    bool enabled = true;    // label, edit and ellipsis button
    bool readOnly = false;  // read-only look: button-face colour, read-only, no Tab stop
};
