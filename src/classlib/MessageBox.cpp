#include "Backend.h"
#include "Resources.h"
#include "TestHooks.h"
#include "WinApp.h"

namespace {

int RunMessageBox(const CDialog* owner, const std::string& text, const std::string& caption,
                  UINT type) {
    if (const MessageBoxHook& hook = GetMessageBoxHook()) {
        return hook({text, caption, type, owner != nullptr ? owner->GetTemplateId() : 0});
    }
    return PlatformMessageBox(owner, text, caption, type);
}

} // namespace

int CDialog::MessageBox(const std::string& text, const std::string& caption, UINT type) {
    return RunMessageBox(this, text, caption, type);
}

int AfxMessageBox(const std::string& text, UINT type) {
    if ((type & MB_TYPEMASK) == MB_OK && (type & MB_ICONMASK) == 0) {
        type |= MB_ICONEXCLAMATION;
    }
    const CWinApp* app = AfxGetApp();
    return RunMessageBox(nullptr, text, app != nullptr ? app->GetAppName() : std::string(), type);
}

int AfxMessageBox(UINT stringId, UINT type) {
    return AfxMessageBox(std::string(FindStringResource(stringId)), type);
}
