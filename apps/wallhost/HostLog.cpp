// The development host's report lines, one per call it receives.
#include "HostLog.h"

#include <cstdio>
#include <iostream>

namespace wallhost {

std::string Quoted(const char* text) {
    if (text == nullptr) return "null";
    std::string out = "\"";
    for (const char* p = text; *p != '\0'; ++p) {
        unsigned char ch = static_cast<unsigned char>(*p);
        switch (ch) {
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            default:
                if (ch < 0x20 || ch == 0x7f) {
                    char hex[5];
                    std::snprintf(hex, sizeof hex, "\\x%02x", ch);
                    out += hex;
                } else {
                    out += static_cast<char>(ch);
                }
        }
    }
    return out + "\"";
}

int PrintTextOut(const char* text) {
    std::cout << "  text out: " << Quoted(text) << "\n";
    return 0;
}

int PrintCloseDocument() {
    std::cout << "  close-document called\n";
    return 0;
}

void PrintRegistration(const char* token, const char* command) {
    std::cout << "  registered command " << Quoted(command) << " under token " << Quoted(token) << "\n";
}

void PrintDrawingName(const char* name) {
    std::cout << "  drawing registered: " << Quoted(name) << "\n";
}

}  // namespace wallhost
