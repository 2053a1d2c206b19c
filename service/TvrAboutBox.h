#pragma once
// The about box of the service: made hidden at start, shown on request, destroyed at the end.
class TavrinChan;
class TTvrAboutBoxForm;

class TvrAboutBox {
public:
    explicit TvrAboutBox(TavrinChan* mainObject);
    TvrAboutBox(const TvrAboutBox&) = delete;
    TvrAboutBox& operator=(const TvrAboutBox&) = delete;
    ~TvrAboutBox();

    // Shows the box without blocking anything, in front; there is only ever the one box.
    void ShowAboutBox();

private:
    TavrinChan* mainObject;
    TTvrAboutBoxForm* form = nullptr;  // made through the application; destroyed here
};
