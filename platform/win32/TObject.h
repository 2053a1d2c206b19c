#pragma once
// The root of every class of the class library: the sender of every event.
#include "AnsiString.h"

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    // Runs right after the constructor, once the object is complete (so that virtual functions
    // reach the most derived class): TComponent::CreateComponent calls it. A control makes its
    // window here when its parent already has one; a form makes its window and runs OnCreate.
    virtual void AfterConstruction() {}

    // The class's name. A form's window class bears this name, so every form class that other
    // programs look for overrides it with its own name.
    virtual AnsiString ClassName() const { return "TObject"; }
};
