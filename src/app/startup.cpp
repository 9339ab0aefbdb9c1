#include "app/startup.h"

#include "app/texts.h"
#include "app/tform1.h"

namespace quillmap {

int RunProgram(platform::application& app) {
    app.MakeToolWindow();
    app.SetTitle(ApplicationTitle);
    app.SetHelpFile(HelpFileName);
    Tform1 form1(app);
    form1.Window().Show();
    return app.Run();
}

}  // namespace quillmap
