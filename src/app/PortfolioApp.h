// The application object.
#pragma once

#include "../classlib/WinApp.h"

class CPortfolioApp : public CWinApp {
public:
    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};

extern CPortfolioApp theApp;
