// The plug-in module's application object. There is no application framework
// here: this small class stands where the platform's application class would,
// and its initialisation only reports success.
#ifndef LEDGEWRIGHT_COMMAND_APP_H
#define LEDGEWRIGHT_COMMAND_APP_H

class CLedgewrightApp {
public:
    bool InitInstance() { return true; }
};

CLedgewrightApp& TheApp();

#endif  // LEDGEWRIGHT_COMMAND_APP_H
