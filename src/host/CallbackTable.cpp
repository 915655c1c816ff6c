// Callback matching and the calls through the plug-in's callback table.
#include "host/CallbackTable.h"

#include <string>

namespace wall {

CallbackKind MatchCallbackName(const char* name) {
    if (name == nullptr) return CallbackKind::kNone;
    // Only ASCII letters change, so a name in any encoding keeps its other bytes.
    std::string upper(name);
    for (char& ch : upper) {
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    }
    if (upper.find("LOADMENUFILE") != std::string::npos) return CallbackKind::kLoadMenuFile;
    if (upper.find("EXRTFTEXTOUT") != std::string::npos) return CallbackKind::kTextOut;
    if (upper.find("EXCLOSEDOC") != std::string::npos) return CallbackKind::kCloseDoc;
    return CallbackKind::kNone;
}

void HandInCallback(CallbackTable& table, const HostCallbackRecord* record) {
    if (record == nullptr || record->function == nullptr) return;
    switch (MatchCallbackName(record->name)) {
        case CallbackKind::kLoadMenuFile:
            table.loadMenuFile = record->function;
            break;
        case CallbackKind::kTextOut:
            table.textOut = reinterpret_cast<HostTextOutCallback>(record->function);
            break;
        case CallbackKind::kCloseDoc:
            table.closeDoc = reinterpret_cast<HostCloseDocCallback>(record->function);
            break;
        case CallbackKind::kNone:
            break;
    }
}

CallbackTable& PluginCallbacks() {
    static CallbackTable table;
    return table;
}

void HostTextOut(const char* text) {
    HostTextOutCallback out = PluginCallbacks().textOut;
    if (out != nullptr && text != nullptr) out(text);
}

void HostCloseDocument() {
    HostCloseDocCallback close = PluginCallbacks().closeDoc;
    if (close != nullptr) close();
}

}  // namespace wall
