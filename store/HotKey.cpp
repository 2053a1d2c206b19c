#include "HotKey.h"

#include "Exception.h"
#include "MoxRegistry.h"

HotKey::HotKey() { Clear(); }

HotKey::HotKey(const HotKey* source) {
    if (source != nullptr) CopyFrom(*source);
}

HotKey& HotKey::Assign(const HotKey& source) {
    if (&source != this) CopyFrom(source);
    return *this;
}

void HotKey::CopyFrom(const HotKey& source) {
    SetKey(source.GetKey());
    Ctrl = source.Ctrl;
    Alt = source.Alt;
    Shift = source.Shift;
    Command = source.Command;
    Directory = source.Directory;
    Parameters = source.Parameters;
    Extra = source.Extra;
    ShowCmd = source.ShowCmd;
}

void HotKey::Clear() {
    Key.clear();
    Ctrl = Alt = Shift = false;
    Command.clear();
    Directory.clear();
    Parameters.clear();
    Extra = 0;
    ShowCmd = 5;
}

void HotKey::SaveToRegistry(MoxRegistry* registry) {
    registry->WriteString("Key", Key);
    registry->WriteBool("Ctrl", Ctrl);
    registry->WriteBool("Alt", Alt);
    registry->WriteBool("Shift", Shift);
    registry->WriteString("Command", Command);
    registry->WriteString("Directory", Directory);
    registry->WriteString("Parameters", Parameters);
    registry->WriteInteger("Extra", Extra);
    registry->WriteInteger("ShowCmd", ShowCmd);
}

void HotKey::LoadFromRegistry(MoxRegistry* registry) {
    Clear();
    try {
        Key = registry->ReadString("Key");
        Ctrl = registry->ReadBool("Ctrl");
        Alt = registry->ReadBool("Alt");
        Shift = registry->ReadBool("Shift");
    } catch (const Exception&) {
        // the rest of the group keeps its defaults
    }
    try {
        Command = registry->ReadString("Command");
        Directory = registry->ReadString("Directory");
        Parameters = registry->ReadString("Parameters");
        Extra = registry->ReadInteger("Extra");
        ShowCmd = registry->ReadInteger("ShowCmd");
    } catch (const Exception&) {
        // likewise
    }
}
