#pragma once
// The root of every class of the class library: the sender of every event.
#include "AnsiString.h"

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    // The class's name. A form's window class bears this name, so every form class that other
    // programs look for overrides it with its own name.
    virtual AnsiString ClassName() const { return "TObject"; }
};
