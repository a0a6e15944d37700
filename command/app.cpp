#include "command/app.h"

CLedgewrightApp& TheApp() {
    static CLedgewrightApp app;
    return app;
}
