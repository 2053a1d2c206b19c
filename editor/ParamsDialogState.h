#pragma once
// What the parameters dialog's controls hold, without the controls: the combination it edits,
// the three texts, the chosen mode, the shell function, the number beside "その他" and the window
// size. The dialog copies it to and from its controls.
#include "AnsiString.h"

enum class ParamsMode { Launch, Popup, ShellBind };

struct ParamsDialogState {
    char key = 'A';
    bool ctrl = false;
    bool alt = false;
    bool shift = false;
    AnsiString command;
    AnsiString directory;
    AnsiString parameters;
    ParamsMode mode = ParamsMode::Launch;
    int bindItem = 0;            // item of the bind group, 0..10 (10: the number in winBindText)
    AnsiString winBindText = "10";
    int windowSizeItem = 0;      // 0 normal, 1 minimised, 2 maximised
};

// Enabled states and colours of the dialog's controls for one state.
struct ParamsControlStates {
    bool launchControlsEnabled;  // the launch panel, its labels and the browse button
    bool launchEditsEnabled;     // command, folder and parameters edits
    bool launchEditsWindowColour;  // clWindow when true, clBtnFace when false
    bool bindGroupEnabled;
    bool winBindEnabled;         // the number edit and its up-down
    bool winBindWindowColour;
};
