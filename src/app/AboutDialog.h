// The About box.
#pragma once

#include "../classlib/Dialog.h"

class CAboutDialog : public CDialog {
public:
    CAboutDialog();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    const MessageMap* GetMessageMap() const override;
};
