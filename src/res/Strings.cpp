// The string table.
#include "resource.h"

#include "../classlib/Resources.h"

std::string_view FindStringResource(UINT id) {
    switch (id) {
    case IDS_ABOUTBOX:
        return "&About Quillfolio...";
    case IDP_SOCKETS_INIT_FAILED:
        return "Windows sockets initialization failed.";
    default:
        return {};
    }
}
